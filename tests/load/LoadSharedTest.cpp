// Icons and IR codes, one object per record position however often they are
// reached, and timers with their embedded actions.
#include "LoadFixture.h"

#include <kelpie/model/Panels.h>

using namespace kelpie;
namespace b = kelpie::builder;

namespace {

class LoadShared : public LoadFixture {
protected:
    b::CCFBuilder ccf{fmtv2};
    b::Device& tv = ccf.AddDevice(b::Group::Devices, "TV");
    b::Panel& panel = tv.AddPanel("TV");

    Button& LoadedButton(std::int32_t index) {
        return *Last().DevicesGroup().Item(1).Panels().Item(1).Children().Item(index).AsButton();
    }
};

// A record that begins with its size word, then `rest` as given.
std::vector<std::uint8_t> RecordHead(std::uint16_t size, std::vector<std::uint8_t> rest) {
    rest.insert(rest.begin(),
                {static_cast<std::uint8_t>(size >> 8), static_cast<std::uint8_t>(size)});
    return rest;
}

} // namespace

TEST_F(LoadShared, ButtonsShowingOneIconShareOneObject) {
    auto& key = ccf.AddIcon2Color(b::Pixels({"#..#", ".##."}));
    auto& twin = ccf.AddIcon2Color(b::Pixels({"#..#", ".##."})); // equal bytes, another position
    for (std::int16_t x : {10, 70, 130})
        panel.AddButton(x, 10, 50, 20, "Key").Icons[b::InactiveUnselected] = key;
    panel.AddButton(10, 40, 50, 20, "Twin").Icons[b::InactiveUnselected] = twin;
    CCF& loaded = Load(ccf);

    ASSERT_EQ(loaded.Icons().Count(), 2);
    Icon* shared = LoadedButton(1).InactiveUnselIcon();
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->Position(), key.Position());
    EXPECT_EQ(shared->ReferenceCount(), 3);
    EXPECT_EQ(LoadedButton(2).InactiveUnselIcon(), shared);
    EXPECT_EQ(LoadedButton(3).InactiveUnselIcon(), shared);
    EXPECT_EQ(shared->IconData(), key.Data);
    Icon* other = LoadedButton(4).InactiveUnselIcon();
    EXPECT_NE(other, shared);
    EXPECT_EQ(other->Position(), twin.Position());
    EXPECT_EQ(other->ReferenceCount(), 1);
}

TEST_F(LoadShared, IconWhoseSizeWordLeavesNoRoomHasNoData) {
    auto& icon = ccf.AddIcon2Color(b::Pixels({"########"}));
    icon.SizeWord = 8;
    tv.IconUnselected = icon;
    CCF& loaded = Load(ccf);
    Icon* got = loaded.DevicesGroup().Item(1).IconUnselected();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(got->IconData().empty());
    EXPECT_FALSE(loaded.CCFfile().IsAccessed(icon.Position() + 8));
}

// The data of a shared record are read once; a record that runs past the end
// of the file gives the notices of its missing bytes again at each reference,
// as reading it again would.
TEST_F(LoadShared, SharedRecordRunningPastTheEndIsReadOnceAndNoticedEachTime) {
    const auto thrice = [](const std::vector<std::string>& once) {
        std::vector<std::string> all;
        for (int time = 0; time < 3; ++time)
            all.insert(all.end(), once.begin(), once.end());
        return all;
    };
    ccf.Header().CRC1 = b::Crc::Off(); // the last record is then the end of the file
    ccf.Header().CRC2 = b::Crc::Off();
    // An IR code of 10 data bytes with 2 in the file, sent three times.
    auto& code = ccf.AddRawBlock(RecordHead(16, {0, 0, 0, 0, 0x50, 0x00}));
    tv.Actions(b::Key::Entry).Code(b::At(code)).Code(b::At(code)).Code(b::At(code));
    const auto size = static_cast<std::int32_t>(ccf.Build().size());
    CCF& loaded = Load(ccf);
    EXPECT_EQ(notices.Texts, thrice(OutsideReads(size, size + 7)));
    ASSERT_EQ(loaded.IRCodes().Count(), 1);
    EXPECT_EQ(loaded.IRCodes().Item(1).ReferenceCount(), 3);
    EXPECT_EQ(loaded.IRCodes().Item(1).IRCodeData(),
              (std::vector<std::uint8_t>{0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    // An icon of 4 data bytes with 1 in the file, shown three times.
    notices.Texts.clear();
    b::CCFBuilder icons(fmtv2);
    icons.Header().CRC1 = b::Crc::Off();
    icons.Header().CRC2 = b::Crc::Off();
    auto& icon = icons.AddRawBlock(RecordHead(12, {0, 8, 0, 1, 0x18, 0, 0xA5}));
    auto& device = icons.AddDevice(b::Group::Devices, "TV");
    device.IconUnselected = b::At(icon);
    device.IconSelected = b::At(icon);
    device.AddPanel("TV").AddFrame(0, 0, 10, 10).Icon = b::At(icon);
    const auto iconsSize = static_cast<std::int32_t>(icons.Build().size());
    CCF& withIcons = Load(icons, "icons.ccf");
    EXPECT_EQ(notices.Texts, thrice(OutsideReads(iconsSize, iconsSize + 2)));
    ASSERT_EQ(withIcons.Icons().Count(), 1);
    EXPECT_EQ(withIcons.Icons().Item(1).ReferenceCount(), 3);
    EXPECT_EQ(withIcons.Icons().Item(1).IconData(), (std::vector<std::uint8_t>{0xA5, 0, 0, 0}));
}

// Its data is empty, but the word after its head is still its type.
TEST_F(LoadShared, IRCodeWhoseSizeWordLeavesNoRoomIsEmpty) {
    auto& list = tv.Actions(b::Key::Entry);
    for (const std::uint16_t size : {6, 4, 0, 0xFFFF}) {
        auto& code = ccf.AddIRCode("Short", {0x5000, 0x0073});
        code.SizeWord = size;
        list.Code(code);
    }
    CCF& loaded = Load(ccf);

    EXPECT_TRUE(notices.Texts.empty());
    ASSERT_EQ(loaded.IRCodes().Count(), 4);
    for (auto& code : loaded.IRCodes()) {
        EXPECT_TRUE(code.IRCodeData().empty());
        EXPECT_EQ(code.Size(), 6);
        EXPECT_EQ(code.IRCodeType(), 0x5000);
        EXPECT_EQ(code.Name(), "Short");
    }
}

// A timer's two actions sit inside its record at + 12 and + 21; a type byte
// of 0 there means "no action" (and nothing is marked there).
TEST_F(LoadShared, TimerWithoutAStartActionHasOnlyItsEndAction) {
    auto& sleep = ccf.AddTimer();
    sleep.End = b::Action::Delay(5);
    panel.AddButton(70, 10, 50, 20, "Sleep").Actions().Timer(sleep);
    CCF& loaded = Load(ccf);

    Timer* timer = LoadedButton(1).Actions().Item(1).Timer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->StartAction(), nullptr);
    EXPECT_EQ(loaded.CCFfile().StructureAt(sleep.Position() + 12), mtypNotStructure);
    ASSERT_NE(timer->EndAction(), nullptr);
    EXPECT_EQ(timer->EndAction()->Position(), sleep.Position() + 21);
    EXPECT_EQ(timer->EndAction()->Parameter2(), 5);
    EXPECT_EQ(loaded.CCFfile().StructureAt(sleep.Position() + 21), mtypAction);
}

// Timers are not shared: a second reference, even from the timer's own
// action, ends the load naming the timer.
TEST_F(LoadShared, TimerReachedTwiceEndsTheLoad) {
    auto& loop = ccf.AddTimer();
    loop.Start = b::Action::Timer(loop);
    panel.AddButton(10, 10, 50, 20, "Loop").Actions().Timer(loop);
    LoadFails(ccf, ErrorKind::DuplicateKey);
    EXPECT_EQ(error, "Timer at " + std::to_string(loop.Position()) + " is reached a second time");
    EXPECT_EQ(notices.Texts, std::vector{ReachedAgain(mtypTimer, loop.Position())});

    b::CCFBuilder twice(fmtv2);
    auto& timer = twice.AddTimer();
    twice.AddDevice(b::Group::Devices, "TV").Actions(b::Key::Entry).Timer(timer).Timer(timer);
    LoadFails(twice, ErrorKind::DuplicateKey, "twice.ccf");
    EXPECT_EQ(error, "Timer at " + std::to_string(timer.Position()) + " is reached a second time");
}
