#include "support/CCFBuilder.h"

#include "support/ByteWriter.h"
#include "support/Checksum.h"
#include "support/Layout.h"
#include "support/RecordWriter.h"

#include <fstream>
#include <stdexcept>

namespace kelpie::builder {

CCFBuilder::CCFBuilder(CCFFileFormats format) {
    switch (format) {
    case fmtv1:
        header_.Version1 = 0;
        header_.Version2 = 1;
        break;
    case fmtv2:
        header_.Version1 = 2;
        header_.Version2 = 1;
        break;
    case fmtV3:
        header_.Version1 = 0;
        header_.Version2 = 2;
        break;
    }
}

CCFFileFormats CCFBuilder::Format() const {
    if (recordFormat_) return *recordFormat_;
    // Version2 other than 1 is the colour format; otherwise
    // Version1 other than 0 the second grey format.
    if (header_.Version2 != 1) return fmtV3;
    return header_.Version1 != 0 ? fmtv2 : fmtv1;
}

Device& CCFBuilder::AddDevice(Group group, NameRef name) {
    Device& device = store_.NewDevice(group);
    device.Name = std::move(name);
    return device;
}

const std::vector<Device*>& CCFBuilder::GroupDevices(Group group) const {
    static const std::vector<Device*> none;
    return group == Group::Unlisted ? none : store_.Groups[static_cast<std::size_t>(group)];
}

Panel& CCFBuilder::AddSpecialPanel(NameRef name) {
    Panel& panel = store_.NewPanel(nullptr, true);
    panel.Name = std::move(name);
    return panel;
}

Panel& CCFBuilder::AddPanel(NameRef name) {
    Panel& panel = store_.NewPanel(nullptr, false);
    panel.Name = std::move(name);
    return panel;
}

Frame& CCFBuilder::AddFrame(std::int16_t width, std::int16_t height, NameRef name) {
    Frame& frame = store_.NewFrame();
    frame.Width = width;
    frame.Height = height;
    frame.Name = std::move(name);
    return frame;
}

Button& CCFBuilder::AddButton(std::int16_t width, std::int16_t height, NameRef name) {
    Button& button = store_.NewButton();
    button.Width = width;
    button.Height = height;
    button.Name = std::move(name);
    return button;
}

ActionList& CCFBuilder::AddActionList() {
    return store_.NewActionList();
}

IRCode& CCFBuilder::AddIRCode(NameRef name, const std::vector<std::uint16_t>& words) {
    IRCode& code = store_.NewIRCode();
    code.Name = std::move(name);
    code.Data = WordBytes(words);
    return code;
}

Icon& CCFBuilder::AddIcon(std::int16_t width, std::int16_t height, std::uint16_t rawType,
                          std::vector<std::uint8_t> data) {
    Icon& icon = store_.NewIcon();
    icon.Width = width;
    icon.Height = height;
    icon.RawType = rawType;
    icon.Data = std::move(data);
    return icon;
}

namespace {
std::int16_t WidthOf(const PixelRows& rows) {
    return static_cast<std::int16_t>(rows.empty() ? 0 : rows.front().size());
}
std::int16_t HeightOf(const PixelRows& rows) {
    return static_cast<std::int16_t>(rows.size());
}
} // namespace

Icon& CCFBuilder::AddIcon2Color(const PixelRows& rows) {
    return AddIcon(WidthOf(rows), HeightOf(rows), RawIcon2Color, Pack2Color(rows));
}

Icon& CCFBuilder::AddIcon4Color(const PixelRows& rows) {
    return AddIcon(WidthOf(rows), HeightOf(rows), RawIcon4Color, Pack4Color(rows));
}

Icon& CCFBuilder::AddIcon4ColorCompressed(const PixelRows& rows) {
    return AddIcon(WidthOf(rows), HeightOf(rows), RawIcon4ColorCompressed,
                   Pack4ColorCompressed(rows));
}

Icon& CCFBuilder::AddIcon8Color(const PixelRows& rows) {
    return AddIcon(WidthOf(rows), HeightOf(rows), RawIcon8Color, Pack8Color(rows));
}

Timer& CCFBuilder::AddTimer() {
    return store_.NewTimer();
}

Name& CCFBuilder::AddName(std::string text) {
    return store_.NewName(std::move(text));
}

RawBlock& CCFBuilder::AddRawBlock(std::vector<std::uint8_t> bytes) {
    return store_.NewRawBlock(std::move(bytes));
}

void CCFBuilder::ChainTimers() {
    Timer* previous = nullptr;
    for (auto& timer : store_.Timers) {
        if (previous)
            previous->Next = timer;
        else
            header_.PosNextTimer = timer;
        previous = &timer;
    }
}

void CCFBuilder::Patch(Target at, std::vector<std::uint8_t> bytes) {
    patches_.push_back({at, std::move(bytes)});
}

void CCFBuilder::PatchWord(Target at, std::uint16_t value) {
    Patch(at, WordBytes({value}));
}

void CCFBuilder::PatchLong(Target at, std::uint32_t value) {
    Patch(at,
          WordBytes({static_cast<std::uint16_t>(value >> 16), static_cast<std::uint16_t>(value)}));
}

std::vector<std::uint8_t> CCFBuilder::Build() {
    const CCFFileFormats format = Format();
    const Layout layout(store_, header_, format);

    // The CRC words after the records: at an even position, after a 0xFF pad.
    std::int64_t size = layout.End();
    std::vector<std::int64_t> pads;
    auto appendWord = [&]() {
        if (size % 2 != 0) pads.push_back(size++);
        const auto at = static_cast<std::int32_t>(size);
        size += 2;
        return at;
    };
    switch (header_.CRC1.Where) {
    case Crc::Place::End:
        posCRC1_ = appendWord();
        break;
    case Crc::Place::Off:
        posCRC1_ = 0;
        break;
    case Crc::Place::At:
        posCRC1_ = header_.CRC1.Position;
        break;
    case Crc::Place::SameAsCRC1:
        throw std::invalid_argument("CCFBuilder: CRC1 cannot be placed at CRC1 (SameAsCRC1)");
    }
    switch (header_.CRC2.Where) {
    case Crc::Place::End:
        posCRC2_ = appendWord();
        break;
    case Crc::Place::SameAsCRC1:
        posCRC2_ = posCRC1_;
        break;
    case Crc::Place::Off:
        posCRC2_ = 0;
        break;
    case Crc::Place::At:
        posCRC2_ = header_.CRC2.Position;
        break;
    }

    std::vector<std::uint8_t> image(static_cast<std::size_t>(size), 0);
    for (const auto pad : pads)
        image[static_cast<std::size_t>(pad)] = 0xFF;
    WriteHeader(image, header_, store_, format, posCRC1_, posCRC2_);
    for (const auto& placed : layout.Records())
        WriteRecord(image, placed, format);

    for (const auto& patch : patches_) {
        const std::int64_t at = patch.at.Resolve();
        if (at < 0 || at + static_cast<std::int64_t>(patch.bytes.size()) > size)
            throw std::out_of_range("CCFBuilder: a patch of " + std::to_string(patch.bytes.size()) +
                                    " bytes at " + std::to_string(at) + " does not fit a file of " +
                                    std::to_string(size) + " bytes");
        std::copy(patch.bytes.begin(), patch.bytes.end(), image.begin() + at);
    }

    // A CRC word is written where its position lies inside the file; CRC1
    // covers the bytes before it, CRC2 is a copy of CRC1 (or, without CRC1,
    // the CRC of the bytes before CRC2).
    auto fits = [&](std::int32_t at) { return at > 0 && at <= size - 2; };
    auto crcBefore = [&](std::int32_t at) {
        return Crc16Xmodem(image.data(), static_cast<std::size_t>(at));
    };
    auto store = [&](std::int32_t at, std::uint16_t value) { ByteWriter(image, at).Word(value); };
    crc1_ = 0;
    std::optional<std::uint16_t> crc1;
    if (header_.CRC1.Where != Crc::Place::Off && fits(posCRC1_)) {
        crc1 = header_.CRC1.Value.value_or(crcBefore(posCRC1_));
        store(posCRC1_, *crc1);
        crc1_ = *crc1;
    }
    if (header_.CRC2.Where != Crc::Place::Off && header_.CRC2.Where != Crc::Place::SameAsCRC1 &&
        fits(posCRC2_))
        store(posCRC2_, header_.CRC2.Value.value_or(crc1 ? *crc1 : crcBefore(posCRC2_)));

    fullSize_ = static_cast<std::int32_t>(size);
    if (truncateAt_) {
        const std::int64_t at = truncateAt_->Resolve();
        if (at < 0 || at > size)
            throw std::out_of_range("CCFBuilder: cannot truncate a file of " +
                                    std::to_string(size) + " bytes at " + std::to_string(at));
        image.resize(static_cast<std::size_t>(at));
    }
    return image;
}

void CCFBuilder::BuildFile(const std::string& path) {
    const auto bytes = Build();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("CCFBuilder: cannot write " + path);
}

} // namespace kelpie::builder
