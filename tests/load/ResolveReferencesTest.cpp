// The second pass: special and out-of-range jumps link nothing, timer
// chains link the timers other actions loaded, and a position where nothing
// was loaded ends the load. (That aliases and jumps link the very objects at
// their positions is checked on the samples.)
#include "LoadFixture.h"

#include <cstdio>

using namespace kelpie;
namespace b = kelpie::builder;

namespace {

class ResolveReferences : public LoadFixture {
protected:
    b::CCFBuilder ccf{fmtv2};
    b::Device& tv = ccf.AddDevice(b::Group::Devices, "TV");
    b::Panel& guide = tv.AddPanel("Guide");
    b::Device& amp = ccf.AddDevice(b::Group::Devices, "Amplifier");
    b::Button& volumeUp = amp.AddPanel("Amplifier").AddButton(10, 10, 50, 20, "Vol+");
    b::ActionList& entry = tv.Actions(b::Key::Entry);

    Actions& LoadedEntry() { return Last().DevicesGroup().Item(1).ActionsEntry(); }
    static std::string Hex(std::int64_t value) {
        char text[16];
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
        return text;
    }
};

} // namespace

TEST_F(ResolveReferences, SpecialJumpsLinkNothing) {
    for (const CCFJumpTypes special :
         {jmpScrollDown, jmpScrollUp, jmpMouseMode, jmpBack, jmpForward})
        entry.Jump(tv, b::Raw(special)); // a real device in Parameter1 all the same
    Load(ccf);
    for (auto& jump : LoadedEntry()) {
        EXPECT_EQ(jump.Device(), nullptr) << Hex(jump.Parameter2());
        EXPECT_EQ(jump.Panel(), nullptr) << Hex(jump.Parameter2());
    }
    EXPECT_TRUE(notices.Texts.empty());
}

// A jump must land past the header (74 bytes) and not beyond the file.
TEST_F(ResolveReferences, JumpOutsideTheFileIsReportedAndLinksNothing) {
    const std::int64_t targets[] = {10, 73, 0x100000, -2, 0};
    for (const std::int64_t target : targets)
        entry.Jump(tv, b::Raw(target));
    Load(ccf);
    std::vector<std::string> expected;
    for (const std::int64_t target : targets)
        expected.push_back("Invalid Special Jump action of " + Hex(target));
    EXPECT_EQ(notices.Texts, expected);
    EXPECT_EQ(notices.Texts[0], "Invalid Special Jump action of A");
    EXPECT_EQ(notices.Texts[3], "Invalid Special Jump action of FFFFFFFE");
    for (auto& jump : LoadedEntry()) {
        EXPECT_EQ(jump.Device(), nullptr);
        EXPECT_EQ(jump.Panel(), nullptr);
    }
}

TEST_F(ResolveReferences, JumpsToTheHeaderEndOrTheFileEndAreLookedUp) {
    auto& jump = entry.Add(b::Action::Jump(tv, b::Raw(74)))[0];
    const auto last = static_cast<std::int32_t>(ccf.Build().size());
    const std::string action = "Action at " + std::to_string(jump.Position());
    LoadFails(ccf, ErrorKind::MissingKey, "74.ccf");
    EXPECT_EQ(error, action + " refers to a Panel at 74, where none was loaded");
    jump.Parameter2 = b::Raw(last);
    LoadFails(ccf, ErrorKind::MissingKey, "end.ccf");
    EXPECT_EQ(error,
              action + " refers to a Panel at " + std::to_string(last) + ", where none was loaded");
    EXPECT_TRUE(notices.Texts.empty());
}

// Whatever an action names must have been loaded; otherwise the load ends
// naming the action and what it looked for.
TEST_F(ResolveReferences, ReferenceToAPositionWhereNothingWasLoadedEndsTheLoad) {
    auto& jump = entry.Add(b::Action::Jump(tv, b::At(volumeUp)))[0]; // a button, not a panel
    const auto bytes = ccf.Build();
    LoadFails(bytes, ErrorKind::MissingKey, "jump.ccf");
    EXPECT_EQ(error, "Action at " + std::to_string(jump.Position()) + " refers to a Panel at " +
                         std::to_string(volumeUp.Position()) + ", where none was loaded");

    struct Case {
        const char* name;
        b::Action action;
        std::string target;
    };
    const std::string guideAt = std::to_string(guide.Position());
    Case cases[] = {
        {"alias of a panel", b::Action::ButtonAlias(b::At(guide), volumeUp),
         "Device at " + guideAt},
        {"alias of a panel as button", b::Action::ButtonAlias(amp, b::At(guide)),
         "Button at " + guideAt},
        {"key of no device", b::Action::KeyAlias(nullptr, kalMute), "Device at 0"},
        {"device alias of a panel", b::Action::AliasDevice(b::At(guide)), "Device at " + guideAt},
        {"jump to a device's panel with no device", b::Action::Jump(nullptr, guide), "Device at 0"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        jump = std::move(c.action);
        LoadFails(ccf, ErrorKind::MissingKey, c.name);
        EXPECT_EQ(error, "Action at " + std::to_string(jump.Position()) + " refers to a " +
                             c.target + ", where none was loaded");
    }
}

TEST_F(ResolveReferences, NextTimerIsTheTimerAnotherActionLoaded) {
    auto& wake = ccf.AddTimer();
    auto& sleep = ccf.AddTimer();
    ccf.ChainTimers(); // wake -> sleep
    entry.Timer(wake).Timer(sleep);
    Load(ccf);
    Timer* first = LoadedEntry().Item(1).Timer();
    Timer* second = LoadedEntry().Item(2).Timer();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->NextTimer(), second);
    EXPECT_EQ(second->NextTimer(), nullptr);

    // The header's chain is not followed: a next timer that no action
    // starts was never loaded.
    b::CCFBuilder alone(fmtv2);
    auto& one = alone.AddTimer();
    auto& unstarted = alone.AddTimer();
    alone.ChainTimers();
    auto& start = alone.AddDevice(b::Group::Devices, "TV").Actions(b::Key::Entry);
    start.Timer(one);
    LoadFails(alone, ErrorKind::MissingKey, "alone.ccf");
    EXPECT_EQ(error, "Action at " + std::to_string(start[0].Position()) + " refers to a Timer at " +
                         std::to_string(unstarted.Position()) + ", where none was loaded");
}

// A timer's embedded actions finish loading before the timer action that
// reached them, and are linked first.
TEST_F(ResolveReferences, ActionsAreLinkedInTheOrderTheyFinishedLoading) {
    auto& timer = ccf.AddTimer();
    timer.Next = b::Raw(1000);                          // fails for the timer action
    timer.Start = b::Action::AliasDevice(b::Raw(2000)); // fails for the embedded action
    entry.Timer(timer);
    LoadFails(ccf, ErrorKind::MissingKey);
    EXPECT_EQ(error, "Action at " + std::to_string(timer.Start.Position()) +
                         " refers to a Device at 2000, where none was loaded");
}

// Each load has lookup tables of its own: positions that an earlier load
// registered (here one that ended with an error after registering them all)
// mean nothing in the next file.
TEST_F(ResolveReferences, PositionsLoadedByAnotherFileAreNotFound) {
    entry.AliasDevice(b::Raw(3));
    LoadFails(ccf, ErrorKind::MissingKey, "first.ccf");
    ASSERT_EQ(Last().DevicesGroup().Count(), 2); // every device and panel was registered

    b::CCFBuilder second(fmtv2);
    auto& other = second.AddDevice(b::Group::Devices, "Other");
    other.Actions(b::Key::Entry).Jump(b::Raw(tv.Position()), b::Raw(guide.Position()));
    // The positions lie inside this file too.
    second.AddRawBlock(std::vector<std::uint8_t>(1000, 0));
    const auto bytes = second.Build();
    ASSERT_LT(guide.Position(), static_cast<std::int32_t>(bytes.size()));
    ASSERT_NE(other.Position(), tv.Position());
    LoadFails(bytes, ErrorKind::MissingKey, "second.ccf");
    EXPECT_EQ(error, "Action at " + std::to_string(other.Actions(b::Key::Entry)[0].Position()) +
                         " refers to a Device at " + std::to_string(tv.Position()) +
                         ", where none was loaded");
}
