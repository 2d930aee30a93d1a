// The detail list as an output of the walk: one row for each record directly
// under the selected node, and nothing below it.
#pragma once

#include "walk/WalkOutput.h"

#include <string>

namespace vantor {

class ListSink;

class ListOutput : public WalkOutput {
public:
    ListOutput(ListSink& list, std::string key) : list_(list), key_(std::move(key)) {}

    // The header's rows are its groups.
    Visit Header(const kelpie::CCF& ccf, const Node& parent, bool) override;
    Visit Device(kelpie::Device& device, const Node& parent) override;
    Visit Panel(kelpie::Panel& panel, const Node& parent, const Drawing&) override;
    Visit Frame(kelpie::Frame& frame, const Node& parent, std::int32_t, std::int32_t,
                std::int32_t, std::int32_t, const Drawing&) override;
    Visit Button(kelpie::Button& button, const Node& parent, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t, const Drawing&) override;
    void Action(const kelpie::Action& action, const std::string& letter,
                const Node& parent) override;
    Visit Timer(kelpie::Timer& timer, const Node& parent, bool) override;
    void IRCode(const kelpie::IRCode& code, const Node& parent, bool) override;
    void Icon(const kelpie::Icon& icon, const std::string& type, bool, const Node& parent, bool,
              std::int32_t, std::int32_t, bool) override;

private:
    void AddRow(const std::string& text, const char* imageKey,
                std::vector<std::string> subItems, const char* type, std::int32_t position);

    ListSink& list_;
    std::string key_;
};

} // namespace vantor
