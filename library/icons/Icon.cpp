#include "icons/Icon.h"

#include "Error.h"
#include "model/SizeCheck.h"

namespace kelpie {

Icon::Icon() = default;
Icon::~Icon() = default;

IconTypes Icon::IconType() const noexcept {
    switch (static_cast<std::uint16_t>(record_.RawIconType)) {
    case 0x0800:
    case 0x1000:
    case 0x1800:
    case 0x1A00:
    case 0x1C00: return ict2Color;
    case 0x0100: return ict4Color;
    case 0x8100: return ict4ColorCompressed;
    case 0x0701: return ict8Color;
    default: return ictUnknown;
    }
}

std::int16_t Icon::IconSize() const {
    return CheckedRecordSize(static_cast<std::int64_t>(record_.Size) - basStructures::IconHeadSize, "Icon data");
}

// Decoding and bitmaps are being built; until then they fail clearly.
std::optional<PixelArray> Icon::Unpack() const {
    throw Error(ErrorKind::InvalidArgument, "Icon decoding is not available yet");
}

const IconPicture& Icon::Picture() const {
    throw Error(ErrorKind::InvalidArgument, "Icon pictures are not available yet");
}

void Icon::SaveBitmap(const std::string&) const {
    throw Error(ErrorKind::InvalidArgument, "Icon bitmaps are not available yet");
}

} // namespace kelpie
