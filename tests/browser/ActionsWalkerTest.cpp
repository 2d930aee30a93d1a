// Action lists, actions and timers in the tree, the detail list, the display
// pane and report files.
#include "WalkerTest.h"

#include <kelpie/model/Button.h>
#include <kelpie/model/Device.h>
#include <kelpie/model/Panel.h>
#include "outputs/ActionTexts.h"

using namespace vantor;
using namespace vantor::testing;
using namespace kelpie::builder;
using kelpie::fmtv2;

namespace {

// A TV whose entry key runs one action of every kind, aiming at an amplifier
// with a panel and a button; a weekday wake-up timer chained to a second one.
struct ActionWalk : WalkerTest {
    // Where the builder put the records.
    std::int32_t ampAt = 0, powerAt = 0, wakeAt = 0, sleepAt = 0;

    void SetUp() override {
        CCFBuilder builder(fmtv2);
        auto& tv = builder.AddDevice(Group::Devices, "TV");
        auto& amp = builder.AddDevice(Group::Devices, "Amp");
        auto& panel = amp.AddPanel("Main");
        auto& volume = panel.AddButton(10, 10, 40, 20, "Vol+");
        auto& power = builder.AddIRCode("Power", {0x5000, 0x0073, 0x0000, 0x0001, 0x0000, 0x000C});
        auto& wake = builder.AddTimer();
        wake.StartDays = kelpie::tmdMonday | kelpie::tmdFriday;
        wake.StartTime = TimeOfDay(7, 30);
        wake.Start = Action::AliasDevice(amp);
        wake.EndTime = TimeOfDay(0, 5);
        auto& sleep = builder.AddTimer();
        sleep.StartDays = kelpie::tmdSaturday | kelpie::tmdSunday | kelpie::tmdWeekly;
        builder.ChainTimers();
        tv.Actions(Key::Entry)
            .ButtonAlias(amp, volume)
            .Jump(amp, panel)
            .Jump(kelpie::jmpBack)
            .Delay(1500)
            .KeyAlias(amp, kelpie::kalVolUp)
            .Add(Action::Make(kelpie::actKeyAlias, At(amp), Raw(9)))
            .AliasDevice(amp)
            .Sound(12, 1000, 50)
            .Code(power)
            .Timer(wake)
            .Add(Action::Make(9, Raw(1), Raw(-2)));
        tv.Actions(Key::VolPlus).Timer(sleep);
        Load(builder);
        ampAt = amp.Position();
        powerAt = power.Position();
        wakeAt = wake.Position();
        sleepAt = sleep.Position();
    }

    kelpie::Device& TV() { return ccf->DevicesGroup().Item(1); }
    kelpie::Actions& Entry() { return TV().ActionsEntry(); }
};

} // namespace

TEST_F(ActionWalk, DisplayWritesOneLinePerActionUnderTheListsTitle) {
    const std::vector<std::string> lines =
        Display([&] { Walk().DoActionList("Entry", Entry(), "", true, false); });
    const std::string amp = "{\\f2 Amp}";
    const std::vector<std::string> expected = {
        "Entry Action List",
        "    Position: " + Pos(Entry().Position()),
        "    Size: 101", // 2 + 11 actions of 9 bytes
        "    [B] " + amp + " - {\\f2 Vol+}",
        "    [J] Jump: " + amp + " - {\\f2 Main}",
        "    [J] Jump: Back",
        "    [D] 1.5 sec",
        "    [K] " + amp + " - Vol+",
        "    [K] " + amp + " - Unknown 9",
        "    [A] " + amp,
        "    [S] 1000Hz 50% 120ms",
        // The code and the timer write their own blocks, unexpanded here.
        "    [C] {\\f2 Power}",
        "    [T] Timer",
        "    Unknown Type : 9 : 1/-2",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(ActionWalk, TitlesOfKeysFromTheFileAreInTheRemotesFont) {
    EXPECT_EQ(Display([&] { Walk().DoActionList("Left", Entry(), "", false, false); }),
              std::vector<std::string>{"Left Action List"});
    EXPECT_EQ(Display([&] { Walk().DoActionList("FarLeft", Entry(), "", false, false); }),
              std::vector<std::string>{"{\\f2 FarLeft} Action List"});
    EXPECT_EQ(Display([&] { Walk().DoActionList("Tune", Entry(), "", false, false); }),
              std::vector<std::string>{"{\\f2 Tune} Action List"});
    EXPECT_EQ(Display([&] { Walk().DoActionList("", Entry(), "", false, false); }),
              std::vector<std::string>{"{\\f2 } Action List"});
}

TEST_F(ActionWalk, TreeShowsActionsCodesAndTimersUnderTheListNode) {
    browser.OutputMode = omTree;
    Walk().DoActionList("Entry", Entry(), "ROOT", true, true);
    ASSERT_EQ(NodesUnder("ROOT"),
              std::vector<std::string>{"Entry Action List|" + Tag("L", Entry().Position())});
    const std::string listKey = tree.ChildrenOf("ROOT")[0]->Key;
    const auto at = [&](int i) { return Entry().Item(i).Position(); };
    const std::vector<std::string> expected = {
        "[B]|" + Tag("A", at(1)),
        "[J]|" + Tag("A", at(2)),
        "[J]|" + Tag("A", at(3)),
        "[D]|" + Tag("A", at(4)),
        "[K]|" + Tag("A", at(5)),
        "[K]|" + Tag("A", at(6)),
        "[A]|" + Tag("A", at(7)),
        "[S]|" + Tag("A", at(8)),
        "[C] IR Code: Power|" + Tag("C", powerAt),
        "[T] Timer|" + Tag("T", wakeAt),
        // the unknown kind shows no node
    };
    EXPECT_EQ(NodesUnder(listKey), expected);
    EXPECT_EQ(tree.ChildrenOf(listKey)[8]->ImageKey, "IRCode");
    EXPECT_EQ(tree.ChildrenOf(listKey)[9]->ImageKey, "Timer");
    // Every action is registered, code and timer actions too; the timer under
    // its own tag, the IR code not (the file registers its codes once).
    for (int i = 1; i <= Entry().Count(); ++i)
        EXPECT_NE(file->FindObject(Tag("A", at(i))), nullptr) << i;
    EXPECT_NE(file->FindObject(Tag("L", Entry().Position())), nullptr);
    EXPECT_NE(file->FindObject(Tag("T", wakeAt)), nullptr);
    EXPECT_EQ(file->FindObject(Tag("C", powerAt)), nullptr);
}

TEST_F(ActionWalk, ListHasOneRowPerActionAndNoneForTheListItself) {
    browser.OutputMode = omListView;
    Walk().DoActionList("", Entry(), "", true, false);
    std::vector<std::string> rows;
    for (const ListRow& row : list.Rows)
        rows.push_back(row.Text + "|" + row.ImageKey + "|" + row.Tag);
    const auto at = [&](int i) { return Entry().Item(i).Position(); };
    const std::vector<std::string> expected = {
        "[B]|Action|" + Tag("A", at(1)),   "[J]|Action|" + Tag("A", at(2)),
        "[J]|Action|" + Tag("A", at(3)),   "[D]|Action|" + Tag("A", at(4)),
        "[K]|Action|" + Tag("A", at(5)),   "[K]|Action|" + Tag("A", at(6)),
        "[A]|Action|" + Tag("A", at(7)),   "[S]|Action|" + Tag("A", at(8)),
        "[C]|IRCode|" + Tag("C", powerAt), "[T]|Timer|" + Tag("T", wakeAt),
    };
    EXPECT_EQ(rows, expected);

    list.Rows.clear();
    Walk().DoActionList("Button", Entry(), "", false, false); // a button's list adds nothing
    EXPECT_TRUE(list.Rows.empty());
}

TEST_F(ActionWalk, TimerShowsItsEventsDaysAndTimes) {
    kelpie::Timer& wake = *Entry().Item(10).Timer();
    const std::vector<std::string> expected = {
        "[T] Timer",
        "    Position: " + Pos(wakeAt),
        "    Size: 30",
        "    Next Timer at: " + Pos(sleepAt),
        "    ",
        "    Start Event: ",
        "      [A] {\\f2 Amp}",
        "      Mon Fri at 7:30",
        "    ",
        "    End Event: ",
        "      No Action",
        "      at 0:05",
    };
    EXPECT_EQ(Display([&] { Walk().DoTimer(wake, "", true); }), expected);

    kelpie::Timer& sleep = *TV().ActionsVolPlus().Item(1).Timer();
    const std::vector<std::string> lines = Display([&] { Walk().DoTimer(sleep, "", true); });
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[3], "    Next Timer at: None");
    EXPECT_EQ(lines[6], "      No Action");
    EXPECT_EQ(lines[7], "      Sat Sun Weekly at 0:00");
}

TEST_F(ActionWalk, ReportsCarryActionLinesInTheFullReportOnly) {
    kelpie::Actions& entry = Entry();
    const auto walk = [&] { Walk().DoActionList("Entry", entry, "", true, true); };

    const std::vector<std::string> full = Report(rkFull, walk);
    ASSERT_GE(full.size(), 4u);
    EXPECT_EQ(full[0], "--------------------");
    EXPECT_EQ(full[1], "Entry Action List");
    EXPECT_EQ(full[2], "    Position: " + Pos(entry.Position()));
    // The code block is expanded in reports: its properties follow its line.
    const auto code = std::find(full.begin(), full.end(), "    [C] {\\f2 Power}");
    ASSERT_NE(code, full.end());
    EXPECT_EQ(*(code + 1), "      Position: " + Pos(powerAt));
    EXPECT_EQ(*(code + 2), "      Type: RC5");

    // The IR codes report keeps only the code block, reached through the walk.
    const std::vector<std::string> codes = Report(rkIRCodes, walk);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes[0], "    [C] {\\f2 Power}");
    for (const std::string& line : codes)
        EXPECT_EQ(line.find("Action List"), std::string::npos) << line;
    EXPECT_EQ(codes.size(), 6u); // line, position, type, two sizes, one data line

    for (ReportKinds kind : {rkErrors, rkIcons, rkPanels})
        EXPECT_TRUE(Report(kind, walk).empty()) << kind;
}

TEST_F(ActionWalk, LinksTheGraphNoLongerHoldsShowTheRawTarget) {
    // Removing the amplifier leaves the TV's actions pointing at nothing.
    const std::int32_t ampPosition = ampAt;
    ccf->DevicesGroup().Remove(2);
    const std::vector<std::string> lines =
        Display([&] { Walk().DoActionList("Entry", Entry(), "", true, false); });
    const std::string missing = "(missing device at " + Hex8(ampPosition) + ")";
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[3].rfind("    [B] " + missing + " - (missing button at ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[4].rfind("    [J] Jump: " + missing + " - (missing panel at ", 0), 0u)
        << lines[4];
    EXPECT_EQ(lines[7], "    [K] " + missing + " - Vol+");
    EXPECT_EQ(lines[9], "    [A] " + missing);
}

TEST(ActionTexts, RejectedJumpKeepsItsLineWithTheRawTarget) {
    // A jump to position 10 lands inside the header: the loader links nothing.
    CCFBuilder builder(fmtv2);
    builder.AddDevice(Group::Devices, "TV")
        .Actions(Key::Entry)
        .Add(Action::Make(kelpie::actJump, nullptr, Raw(10)));
    kelpie::CCFs files;
    files.SetNoticeHandler([](const std::string&) {});
    kelpie::CCF& ccf = files.AddBytes("jump.ccf", builder.Build());
    const kelpie::Action& jump = ccf.DevicesGroup().Item(1).ActionsEntry().Item(1);
    ASSERT_EQ(jump.Device(), nullptr);
    std::string line;
    for (const ActionTextPiece& piece : ActionLine(jump))
        line += piece.Text;
    EXPECT_EQ(line, "[J] Jump: (missing device at 00000000) - (missing panel at 0000000A)");
}

TEST(ActionTexts, DelaysInSecondsWithoutTrailingZeros) {
    EXPECT_EQ(DelaySeconds(1500), "1.5");
    EXPECT_EQ(DelaySeconds(2000), "2");
    EXPECT_EQ(DelaySeconds(0), "0");
    EXPECT_EQ(DelaySeconds(1), "0.001");
    EXPECT_EQ(DelaySeconds(1230), "1.23");
    EXPECT_EQ(DelaySeconds(-250), "-0.25");
    EXPECT_EQ(DelaySeconds(INT32_MIN), "-2147483.648");
}

TEST(ActionTexts, KeysDaysAndTimes) {
    EXPECT_EQ(KeyWord(kelpie::kalLeft), "Left");
    EXPECT_EQ(KeyWord(kelpie::kalMute), "Mute");
    EXPECT_EQ(KeyWord(7), "Unknown 7");
    EXPECT_EQ(KeyWord(-1), "Unknown -1");
    EXPECT_EQ(TimerDaysAndTime(0, 0), "at 0:00");
    EXPECT_EQ(TimerDaysAndTime(0xFF, 23 * 60 + 59), "Mon Tue Wed Thu Fri Sat Sun Weekly at 23:59");
    EXPECT_EQ(TimerDaysAndTime(kelpie::tmdWednesday, 5), "Wed at 0:05");
    EXPECT_EQ(Hex8(-1), "FFFFFFFF");
}
