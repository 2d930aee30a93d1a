#include <kelpie/model/Frame.h>

#include "model/ColorAccess.h"
#include "model/SizeCheck.h"
#include <kelpie/icons/Icon.h>
#include <kelpie/model/Children.h>

namespace kelpie {

Frame::Frame() = default;
Frame::~Frame() = default;

std::int16_t Frame::Size() const {
    if (!children_)
        throw Error(ErrorKind::MissingObject,
                    "Frame at " + std::to_string(Position()) + " has no children list");
    return CheckedRecordSize(basStructures::FrameHeadSize(FileFormat()) +
                                 static_cast<std::int64_t>(basStructures::EntrySize) *
                                     children_->Count(),
                             "Frame");
}

void Frame::SetFont(std::int32_t font) {
    record_.Font = ColorAccess::CheckedByte(font, "Font");
}

CCFColors Frame::TextColor() const noexcept {
    return ColorAccess::Text(FileFormat(), record_.PackedColors, record_.ColorGroup);
}
void Frame::SetTextColor(std::int32_t color) {
    ColorAccess::Set(FileFormat(), record_.PackedColors, record_.ColorGroup, false, color);
}
CCFColors Frame::BackgroundColor() const noexcept {
    return ColorAccess::Background(FileFormat(), record_.PackedColors, record_.ColorGroup);
}
void Frame::SetBackgroundColor(std::int32_t color) {
    ColorAccess::Set(FileFormat(), record_.PackedColors, record_.ColorGroup, true, color);
}

kelpie::Icon* Frame::Icon() const noexcept {
    return icon_.lock().get();
}
void Frame::SetIcon(kelpie::Icon* icon) {
    icon_ = icon ? icon->weak_from_this() : std::weak_ptr<kelpie::Icon>();
}

void Frame::SetChildren(std::shared_ptr<kelpie::Children> children) {
    children_ = std::move(children);
}

} // namespace kelpie
