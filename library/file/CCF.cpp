#include <kelpie/file/CCF.h>

#include "file/CCFDateMath.h"
#include "file/ImageAccess.h"
#include "file/RecordReaders.h"
#include "file/basCCFRoutines.h"
#include "load/ModelBuilder.h"
#include <kelpie/Error.h>
#include <kelpie/model/Devices.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>
#include <kelpie/model/Panels.h>

namespace kelpie {

CCF::CCF(NoticeHandler notices)
    : file_(std::make_shared<kelpie::CCFfile>(std::move(notices))),
      homeGroup_(std::make_unique<Devices>()), devicesGroup_(std::make_unique<Devices>()),
      macrosGroup_(std::make_unique<Devices>()), specialPanels_(std::make_unique<Panels>()),
      icons_(std::make_unique<kelpie::Icons>()), irCodes_(std::make_unique<kelpie::IRCodes>()) {}

CCF::~CCF() = default;

CCFFileFormats CCF::FileFormat() const noexcept {
    return basCCFRoutines::FileFormatOf(header_.Version1, header_.Version2);
}

CCFDate CCF::ModificationDate() const {
    return NormaliseDate(header_.Year, header_.Month, header_.Day, header_.Hour, header_.Minute,
                         header_.Second);
}

void CCF::SetModificationDate(const CCFDate& date) {
    const CCFDate d =
        NormaliseDate(date.Year, date.Month, date.Day, date.Hour, date.Minute, date.Second);
    if (d.Year < -32768 || d.Year > 32767)
        throw Error(ErrorKind::Overflow,
                    "Year " + std::to_string(d.Year) + " does not fit in the header");
    header_.Year = static_cast<std::int16_t>(d.Year);
    header_.Month = static_cast<std::uint8_t>(d.Month);
    header_.Day = static_cast<std::uint8_t>(d.Day);
    header_.Hour = static_cast<std::uint8_t>(d.Hour);
    header_.Minute = static_cast<std::uint8_t>(d.Minute);
    header_.Second = static_cast<std::uint8_t>(d.Second);
}

void CCF::SetAttribute(std::int32_t mask, bool value) {
    header_.Attributes = value ? (header_.Attributes | mask) : (header_.Attributes & ~mask);
}

std::uint16_t CCF::CalculateCRC() const {
    return header_.PosCRC1 == 0 ? 0 : file_->ComputeCRC(header_.PosCRC1);
}

Icon* CCF::HomeIcon() const {
    return homeGroup_->Item(1).IconUnselected();
}

void CCF::SetHomeIcon(Icon* icon) {
    ModelBuilder::SetIconUnselected(homeGroup_->Item(1), icon);
}

void CCF::OpenFile(const std::string& fileName) {
    ImageAccess::LoadFile(*file_, *this, fileName);
}

void CCF::OpenBytes(const std::string& fileName, std::vector<std::uint8_t> bytes) {
    ImageAccess::LoadBytes(*file_, *this, fileName, std::move(bytes));
}

void CCF::SetHeader(const HeaderRecord& header) {
    header_ = header;
    crc1_ = header_.PosCRC1 != 0
                ? static_cast<std::uint16_t>(basStructures::ReadWordAt(*file_, header_.PosCRC1))
                : 0;
    crc2_ = header_.PosCRC2 != 0
                ? static_cast<std::uint16_t>(basStructures::ReadWordAt(*file_, header_.PosCRC2))
                : 0;
}

} // namespace kelpie
