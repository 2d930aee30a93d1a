// A frame record: a rectangle with a font, a text and a background colour, an
// optional icon, and children of its own.
//
// Colours: in the two grey formats both colours share one packed byte (text
// in bits 0-1, background in bits 2-3, grey levels 0 to 3). In the colour
// format they are bytes 0 and 3 of a 4-byte group, each a palette index.
#pragma once

#include <kelpie/KelpieExport.h>
#include <kelpie/file/basStructures.h>
#include <kelpie/model/Child.h>

namespace kelpie {

class Children;
class Icon;

class KELPIE_API Frame final : public Child {
public:
    Frame();
    ~Frame() override;

    CCFChildTypes ChildType() const noexcept override { return chtFrame; }
    // 20 (23 in the colour format) + 9 per child. MissingObject when no
    // Children were ever set; Overflow above 32767.
    std::int16_t Size() const override;
    std::int16_t Width() const noexcept override { return record_.Width; }
    std::int16_t Height() const noexcept override { return record_.Height; }
    CCFFonts Font() const noexcept override { return static_cast<CCFFonts>(record_.Font); }
    std::int32_t Filler1() const noexcept { return record_.Filler1; }

    // Grey level (grey formats) or palette index (colour format).
    CCFColors TextColor() const noexcept;
    CCFColors BackgroundColor() const noexcept;

    kelpie::Icon* Icon() const noexcept;

    // The stored children, or nullptr when none were set (no creation here).
    kelpie::Children* Children() const noexcept { return children_.get(); }

    kelpie::Frame* AsFrame() noexcept override { return this; }
    const kelpie::Frame* AsFrame() const noexcept override { return this; }

    // The frame record as read.
    const FrameRecord& Record() const noexcept { return record_; }

private:
    // ---- Set while loading, through ModelBuilder ----
    friend class ModelBuilder;
    void SetRecord(const FrameRecord& record) { record_ = record; }
    // Overflow for values outside 0 to 255.
    void SetFont(std::int32_t font);
    // The grey setters rebuild the packed byte, clearing bits 4-7; Overflow
    // when the result is outside a byte. Colour-format setters: Overflow
    // outside 0-255.
    void SetTextColor(std::int32_t color);
    void SetBackgroundColor(std::int32_t color);
    void SetIcon(kelpie::Icon* icon);
    void SetChildren(std::shared_ptr<kelpie::Children> children);

    FrameRecord record_;
    std::weak_ptr<kelpie::Icon> icon_;
    std::shared_ptr<kelpie::Children> children_;
};

} // namespace kelpie
