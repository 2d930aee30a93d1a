// The panel picture as an output of the walk: frames and buttons drawn as
// the remote shows them, with their icons, onto a canvas. Only a panel's
// children are drawn; nothing else of the file has a picture.
#pragma once

#include "walk/WalkOutput.h"

#include <kelpie/file/CCFEnums.h>

namespace vantor {

class PanelCanvas;

class DrawOutput : public WalkOutput {
public:
    DrawOutput(PanelCanvas& canvas, kelpie::CCFFileFormats format)
        : canvas_(canvas), format_(format) {}

    Visit Header(const kelpie::CCF&, const Node& parent, bool) override;
    Visit Device(kelpie::Device&, const Node& parent) override;
    Visit Frame(kelpie::Frame& frame, const Node& parent, std::int32_t x, std::int32_t y,
                std::int32_t, std::int32_t, const Drawing&) override;
    Visit Button(kelpie::Button& button, const Node& parent, std::int32_t x, std::int32_t y,
                 std::int32_t, std::int32_t, const Drawing&) override;
    Visit Timer(kelpie::Timer&, const Node& parent, bool) override;
    void Icon(const kelpie::Icon& icon, const std::string& type, bool, const Node&, bool,
              std::int32_t x, std::int32_t y, bool) override;

private:
    PanelCanvas& canvas_;
    kelpie::CCFFileFormats format_;
};

} // namespace vantor
