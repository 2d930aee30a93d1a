// Positions that lead back to a record already loaded. Devices, panels,
// buttons, actions and timers are registered once everything below them is
// loaded, so a record reached again is loaded again, the structure map
// reporting each record of that second visit, until the first of them to
// complete is registered a second time. A frame or timer inside itself would
// never complete and ends the load when the structure map reports it.
#include "LoadFixture.h"

#include <functional>

using namespace kelpie;
namespace b = kelpie::builder;

namespace {

// How the load of a file ends: the error (an empty message for none) and the
// notices before it.
struct Ending {
    ErrorKind Kind = ErrorKind::DuplicateKey;
    std::string Error;
    std::vector<std::string> Notices;
};

// A file with a loop: Compose makes its records, builds the file once so that
// they have their positions, and returns how its load must end.
struct Loop {
    const char* Situation;
    std::function<Ending(b::CCFBuilder&)> Compose;
};

class Loops : public LoadFixture {
protected:
    static std::string Twice(CCFtypes type, std::int32_t pos) {
        return RecordAt(type, pos) + " is reached a second time";
    }
    static std::string RecordAt(CCFtypes type, std::int32_t pos) {
        return CCFfile::ObjectName(type) + " at " + std::to_string(pos);
    }

    static const std::vector<Loop>& Table();
};

const std::vector<Loop>& Loops::Table() {
    static const std::vector<Loop> loops{
        {"a device whose next device is itself, its panel holding a frame",
         [](b::CCFBuilder& ccf) {
             auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
             auto& panel = tv.AddPanel("TV");
             auto& frame = panel.AddFrame(0, 0, 240, 28, "Title");
             tv.Next = tv;
             ccf.Build();
             // The frame is loaded again as a second object; the panel
             // completes first.
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypPanel, panel.Position()),
                           {ReachedAgain(mtypDevice, tv.Position()),
                            ReachedAgain(mtypPanel, panel.Position()),
                            ReachedAgain(mtypChild, panel.Children[0].Position()),
                            ReachedAgain(mtypFrame, frame.Position())}};
         }},
        {"a device chain back to an earlier device with a hard key",
         [](b::CCFBuilder& ccf) {
             auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
             auto& list = tv.Actions(b::Key::Entry).Delay(5);
             ccf.AddDevice(b::Group::Devices, "Amp").Next = tv;
             ccf.Build();
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypAction, list.Items[0].Position()),
                           {ReachedAgain(mtypDevice, tv.Position()),
                            ReachedAgain(mtypActionList, list.Position()),
                            ReachedAgain(mtypAction, list.Items[0].Position())}};
         }},
        {"an empty panel whose next panel is itself",
         [](b::CCFBuilder& ccf) {
             auto& panel = ccf.AddDevice(b::Group::Devices, "TV").AddPanel("TV");
             panel.Next = panel;
             ccf.Build();
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypPanel, panel.Position()),
                           {ReachedAgain(mtypPanel, panel.Position())}};
         }},
        {"a panel chain back to an earlier panel with a button of no actions",
         [](b::CCFBuilder& ccf) {
             auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
             auto& one = tv.AddPanel("One");
             auto& button = one.AddButton(10, 10, 50, 20, "Idle");
             tv.AddPanel("Two").Next = one;
             ccf.Build();
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypButton, button.Position()),
                           {ReachedAgain(mtypPanel, one.Position()),
                            ReachedAgain(mtypChild, one.Children[0].Position()),
                            ReachedAgain(mtypButton, button.Position())}};
         }},
        {"a frame whose child is the frame itself",
         [](b::CCFBuilder& ccf) {
             auto& frame =
                 ccf.AddDevice(b::Group::Devices, "TV").AddPanel("TV").AddFrame(0, 0, 100, 100);
             frame.AddChild(5, 5, frame);
             ccf.Build();
             return Ending{ErrorKind::InvalidArgument,
                           RecordAt(mtypFrame, frame.Position()) + " contains itself",
                           {ReachedAgain(mtypFrame, frame.Position())}};
         }},
        {"a hard key's list of a code, used again by a button of the device",
         [](b::CCFBuilder& ccf) {
             auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
             auto& list = ccf.AddActionList().Code(ccf.AddIRCode("Power", {0x5000, 0x0073}));
             tv.UseActions(b::Key::Entry, list);
             tv.AddPanel("TV").AddButton(10, 10, 50, 20, "Power").UseActions(list);
             ccf.Build();
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypAction, list.Items[0].Position()),
                           {ReachedAgain(mtypActionList, list.Position()),
                            ReachedAgain(mtypAction, list.Items[0].Position())}};
         }},
        {"a hard key's list that starts a timer, used again by a button of the device",
         [](b::CCFBuilder& ccf) {
             auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
             auto& timer = ccf.AddTimer();
             auto& list = ccf.AddActionList().Timer(timer);
             tv.UseActions(b::Key::Entry, list);
             tv.AddPanel("TV").AddButton(10, 10, 50, 20, "Sleep").UseActions(list);
             ccf.Build();
             // The action completes only after its timer.
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypTimer, timer.Position()),
                           {ReachedAgain(mtypActionList, list.Position()),
                            ReachedAgain(mtypAction, list.Items[0].Position()),
                            ReachedAgain(mtypTimer, timer.Position())}};
         }},
        {"a timer whose start action starts it again",
         [](b::CCFBuilder& ccf) {
             auto& timer = ccf.AddTimer();
             timer.Start = b::Action::Timer(timer);
             ccf.AddDevice(b::Group::Devices, "TV").Actions(b::Key::Entry).Timer(timer);
             ccf.Build();
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypTimer, timer.Position()),
                           {ReachedAgain(mtypTimer, timer.Position())}};
         }},
        {"two timers whose end actions start each other",
         [](b::CCFBuilder& ccf) {
             auto& first = ccf.AddTimer();
             auto& second = ccf.AddTimer();
             first.End = b::Action::Timer(second);
             second.End = b::Action::Timer(first);
             ccf.AddDevice(b::Group::Devices, "TV").Actions(b::Key::Entry).Timer(first);
             ccf.Build();
             return Ending{ErrorKind::DuplicateKey,
                           Twice(mtypTimer, first.Position()),
                           {ReachedAgain(mtypTimer, first.Position())}};
         }},
        {"a timer started twice whose start action sends a code",
         [](b::CCFBuilder& ccf) {
             auto& timer = ccf.AddTimer();
             timer.Start = b::Action::Code(ccf.AddIRCode("Power", {0x5000, 0x0073}));
             ccf.AddDevice(b::Group::Devices, "TV")
                 .Actions(b::Key::Entry)
                 .Timer(timer)
                 .Timer(timer);
             ccf.Build();
             const std::int32_t start = timer.Position() + 12;
             return Ending{
                 ErrorKind::DuplicateKey,
                 Twice(mtypAction, start),
                 {ReachedAgain(mtypTimer, timer.Position()), ReachedAgain(mtypAction, start)}};
         }},
        {"timers whose next timers lead back to the first (linked, not followed)",
         [](b::CCFBuilder& ccf) {
             auto& first = ccf.AddTimer();
             auto& second = ccf.AddTimer();
             first.Next = second;
             second.Next = first;
             ccf.AddDevice(b::Group::Devices, "TV")
                 .Actions(b::Key::Entry)
                 .Timer(first)
                 .Timer(second);
             return Ending{};
         }},
    };
    return loops;
}

} // namespace

TEST_F(Loops, EndWithTheErrorAndNoticesThatTheirLoadingOrderGives) {
    int file = 0;
    for (const Loop& loop : Table()) {
        SCOPED_TRACE(loop.Situation);
        b::CCFBuilder ccf(fmtv2);
        const Ending expected = loop.Compose(ccf);
        notices.Texts.clear();
        std::string message;
        try {
            files.AddBytes("loop" + std::to_string(++file) + ".ccf", ccf.Build());
        } catch (const Error& error) {
            EXPECT_EQ(error.Kind(), expected.Kind);
            message = error.what();
        }
        EXPECT_EQ(message, expected.Error);
        EXPECT_EQ(notices.Texts, expected.Notices);
    }
}
