// Built files read back with the library's record readers (basStructures): every
// record the builder made is found by the walk from the header, at the
// position the builder reports, of the right kind, with the fields the test
// gave; no reader notices, and no byte left unread but the pad before the CRC.
#include "ReaderWalk.h"
#include "support/CCFBuilder.h"
#include "support/Samples.h"

#include <gtest/gtest.h>

using namespace kelpie;
using namespace kelpie::builder;
using kelpie::builder::readers::DecodedFile;

namespace {

class ReaderCrossCheck : public ::testing::TestWithParam<CCFFileFormats> {
protected:
    void SetUp() override {
        ComposeLivingRoom(ccf);
        bytes = ccf.Build();
        file = std::make_unique<DecodedFile>(bytes);
    }
    std::int32_t Field(const Target& target) const { return target.Resolve(); }
    // The name read at a name position; "" for none.
    std::string NameAt(std::int32_t position) const {
        return position == 0 ? std::string() : file->Names.at(position & 0x7FFFFFFF);
    }
    std::int32_t Field(const NameRef& name) const { return name.Resolve(); }
    void ExpectAction(const ActionRecord& read, const Action& made) const {
        EXPECT_EQ(read.ActionType, made.Type);
        EXPECT_EQ(read.Parameter1, Field(made.Parameter1));
        EXPECT_EQ(read.Parameter2, Field(made.Parameter2));
    }
    void ExpectColors(std::uint8_t packed, const std::array<std::uint8_t, 4>& group,
                      const Colors& made) const {
        if (GetParam() == fmtV3) {
            EXPECT_EQ(group, (std::array<std::uint8_t, 4>{made.Text, made.Kept[0], made.Kept[1],
                                                          made.Background}));
        } else {
            EXPECT_EQ(packed & 3, made.Text);
            EXPECT_EQ((packed >> 2) & 3, made.Background);
        }
    }

    CCFBuilder ccf{GetParam()};
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<DecodedFile> file;
};

std::vector<std::int32_t> Positions(const std::vector<Device*>& devices) {
    std::vector<std::int32_t> positions;
    for (const auto* device : devices)
        positions.push_back(device->Position());
    return positions;
}

} // namespace

TEST_P(ReaderCrossCheck, HeaderAndChains) {
    const auto& h = file->Header;
    EXPECT_EQ(file->Format, GetParam());
    EXPECT_EQ(file->VersionString, "Living Room 1.0");
    EXPECT_EQ(h.PosCRC1, ccf.PosCRC1());
    EXPECT_EQ(file->StoredCRC1, file->File.ComputeCRC(h.PosCRC1));
    EXPECT_EQ(file->StoredCRC2, file->StoredCRC1);
    EXPECT_EQ(h.PosNextTimer, ccf.Records().Timers.front().Position());
    EXPECT_EQ(h.RFChannel, GetParam() == fmtV3 ? 3 : 0);
    EXPECT_EQ(file->HomeGroup, Positions(ccf.GroupDevices(Group::Home)));
    EXPECT_EQ(file->DeviceGroup, Positions(ccf.GroupDevices(Group::Devices)));
    EXPECT_EQ(file->MacroGroup, Positions(ccf.GroupDevices(Group::Macros)));
    ASSERT_EQ(file->SpecialPanels.size(), 1u);
    EXPECT_EQ(file->SpecialPanels[0], ccf.Records().SpecialPanels[0]->Position());
    EXPECT_TRUE(file->Notices.empty()) << file->Notices.front();
}

TEST_P(ReaderCrossCheck, EveryByteIsReadButThePad) {
    const auto unread = file->Unaccessed();
    if (ccf.PosCRC1() % 2 == 0 && bytes[static_cast<std::size_t>(ccf.PosCRC1() - 1)] == 0xFF &&
        !unread.empty()) {
        ASSERT_EQ(unread.size(), 1u);
        EXPECT_EQ(unread[0], std::make_pair(ccf.PosCRC1() - 1, 1));
    } else {
        EXPECT_TRUE(unread.empty());
    }
}

TEST_P(ReaderCrossCheck, EveryRecordIsWhereTheBuilderSaysWithItsKind) {
    const auto& records = ccf.Records();
    const auto& map = file->File;
    auto expectKind = [&](const Record& record, CCFtypes type) {
        EXPECT_EQ(map.StructureAt(record.Position()), type) << "at " << record.Position();
    };
    expectKind(ccf.Header(), mtypHeader);
    for (const auto& r : records.Devices)
        expectKind(r, mtypDevice);
    for (const auto& r : records.Panels) {
        expectKind(r, mtypPanel);
        for (const auto& entry : r.Children)
            expectKind(entry, mtypChild);
    }
    for (const auto& r : records.Frames) {
        expectKind(r, mtypFrame);
        for (const auto& entry : r.Children)
            expectKind(entry, mtypChild);
    }
    for (const auto& r : records.Buttons)
        expectKind(r, mtypButton);
    for (const auto& r : records.ActionLists) {
        expectKind(r, mtypActionList);
        for (const auto& action : r.Items)
            expectKind(action, mtypAction);
    }
    for (const auto& r : records.IRCodes) {
        expectKind(r, mtypIRCode);
        expectKind(*r.Name.NameRecord(), mtypName);
    }
    for (const auto& r : records.Icons)
        expectKind(r, mtypIcon);
    for (const auto& r : records.Timers)
        expectKind(r, mtypTimer);
    EXPECT_EQ(file->Devices.size(), records.Devices.size());
    EXPECT_EQ(file->Panels.size(), records.Panels.size());
    EXPECT_EQ(file->Frames.size(), records.Frames.size());
    EXPECT_EQ(file->Buttons.size(), records.Buttons.size());
    EXPECT_EQ(file->ActionLists.size(), records.ActionLists.size());
    EXPECT_EQ(file->IRCodes.size(), records.IRCodes.size());
    EXPECT_EQ(file->Icons.size(), records.Icons.size());
    EXPECT_EQ(file->Timers.size(), records.Timers.size());
}

TEST_P(ReaderCrossCheck, DevicesReadBackFieldByField) {
    const bool colour = GetParam() == fmtV3;
    for (const auto& made : ccf.Records().Devices) {
        const auto& read = file->Devices.at(made.Position());
        EXPECT_EQ(NameAt(read.NamePosition), made.Name.Text());
        EXPECT_EQ(read.PosIconUnselected, Field(made.IconUnselected));
        EXPECT_EQ(read.PosIconSelected, Field(made.IconSelected));
        EXPECT_EQ(read.ActionsEntry, Field(made.ActionsField(Key::Entry)));
        EXPECT_EQ(read.ActionsLeft, Field(made.ActionsField(Key::Left)));
        EXPECT_EQ(read.ActionsRight, Field(made.ActionsField(Key::Right)));
        EXPECT_EQ(read.ActionsVolMinus, Field(made.ActionsField(Key::VolMinus)));
        EXPECT_EQ(read.ActionsVolPlus, Field(made.ActionsField(Key::VolPlus)));
        EXPECT_EQ(read.ActionsChanMinus, Field(made.ActionsField(Key::ChanMinus)));
        EXPECT_EQ(read.ActionsChanPlus, Field(made.ActionsField(Key::ChanPlus)));
        EXPECT_EQ(read.ActionsMute, Field(made.ActionsField(Key::Mute)));
        EXPECT_EQ(read.ActionsFarLeft, colour ? Field(made.ActionsField(Key::FarLeft)) : 0);
        EXPECT_EQ(read.ActionsFarRight, colour ? Field(made.ActionsField(Key::FarRight)) : 0);
        EXPECT_EQ(read.LeftKeyName, Field(made.LeftKeyName));
        EXPECT_EQ(read.RightKeyName, Field(made.RightKeyName));
        EXPECT_EQ(read.FarLeftKeyName, colour ? Field(made.FarLeftKeyName) : 0);
        EXPECT_EQ(read.FarRightKeyName, colour ? Field(made.FarRightKeyName) : 0);
        EXPECT_EQ(read.Attributes, made.Attributes);
        EXPECT_EQ(read.RFExtender, colour ? made.RFExtender : 0);
        std::vector<std::int32_t> panels;
        for (const auto* panel : made.Panels())
            panels.push_back(panel->Position());
        EXPECT_EQ(file->DevicePanels.at(made.Position()), panels);
    }
}

TEST_P(ReaderCrossCheck, PanelsFramesAndChildEntries) {
    auto expectChildren = [&](const Container& made) {
        for (const auto& entry : made.Children) {
            const auto& read = file->Children.at(entry.Position());
            EXPECT_EQ(read.X, entry.X);
            EXPECT_EQ(read.Y, entry.Y);
            EXPECT_EQ(read.Position, Field(entry.Object));
            EXPECT_EQ(read.ChildType, entry.Type);
        }
    };
    for (const auto& made : ccf.Records().Panels) {
        const auto& read = file->Panels.at(made.Position());
        EXPECT_EQ(read.NameWord < 0, made.Hidden);
        EXPECT_EQ(NameAt(read.NameWord & 0x7FFFFFFF), made.Name.Text());
        EXPECT_EQ(read.ChildCount, made.Children.size());
        expectChildren(made);
    }
    for (const auto& made : ccf.Records().Frames) {
        const auto& read = file->Frames.at(made.Position());
        EXPECT_EQ(read.Width, made.Width);
        EXPECT_EQ(read.Height, made.Height);
        EXPECT_EQ(NameAt(read.NamePosition), made.Name.Text());
        EXPECT_EQ(read.IconPosition, Field(made.Icon));
        EXPECT_EQ(read.Font, made.Font);
        ExpectColors(read.PackedColors, read.ColorGroup, made.Colors);
        EXPECT_EQ(read.ChildCount, made.Children.size());
        expectChildren(made);
    }
}

TEST_P(ReaderCrossCheck, ButtonsAndTheirActions) {
    for (const auto& made : ccf.Records().Buttons) {
        const auto& read = file->Buttons.at(made.Position());
        EXPECT_EQ(read.Width, made.Width);
        EXPECT_EQ(read.Height, made.Height);
        EXPECT_EQ(NameAt(read.NamePosition), made.Name.Text());
        EXPECT_EQ(read.ActionListPosition, Field(made.ActionsField()));
        EXPECT_EQ(read.Font, made.Font);
        for (std::size_t state = 0; state < 4; ++state) {
            EXPECT_EQ(read.IconPositions[state], Field(made.Icons[state]));
            ExpectColors(read.PackedColors[state], read.ColorGroups[state],
                         made.StateColors[state]);
        }
    }
    for (const auto& made : ccf.Records().ActionLists) {
        EXPECT_EQ(file->ActionLists.at(made.Position()).ActionCount, made.Items.size());
        for (const auto& action : made.Items)
            ExpectAction(file->Actions.at(action.Position()), action);
    }
}

TEST_P(ReaderCrossCheck, SharedRecords) {
    for (const auto& made : ccf.Records().IRCodes) {
        const auto& read = file->IRCodes.at(made.Position());
        EXPECT_EQ(read.Size, made.Size());
        EXPECT_EQ(NameAt(read.NamePosition), made.Name.Text());
        EXPECT_EQ(file->IRCodeData.at(made.Position()), made.Data);
        EXPECT_EQ(read.CodeType, (made.Data[0] << 8) | made.Data[1]);
    }
    for (const auto& made : ccf.Records().Icons) {
        const auto& read = file->Icons.at(made.Position());
        EXPECT_EQ(read.Size, made.Size());
        EXPECT_EQ(read.Width, made.Width);
        EXPECT_EQ(read.Height, made.Height);
        EXPECT_EQ(static_cast<std::uint16_t>(read.RawIconType), made.RawType);
        EXPECT_EQ(file->IconData.at(made.Position()), made.Data);
    }
    for (const auto& made : ccf.Records().Timers) {
        const auto& read = file->Timers.at(made.Position());
        EXPECT_EQ(read.NextTimerPosition, Field(made.Next));
        EXPECT_EQ(read.StartDays, made.StartDays);
        EXPECT_EQ(read.StartTime, made.StartTime);
        EXPECT_EQ(read.EndDays, made.EndDays);
        EXPECT_EQ(read.EndTime, made.EndTime);
        ExpectAction(read.StartAction, made.Start);
        ExpectAction(read.EndAction, made.End);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, ReaderCrossCheck, ::testing::Values(fmtv1, fmtv2, fmtV3), [](const auto& info) {
        return std::string(info.param == fmtv1 ? "fmtv1" : info.param == fmtv2 ? "fmtv2" : "fmtV3");
    });
