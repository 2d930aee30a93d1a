// Broken and hostile files: positions outside the file, records cut short,
// nesting and sharing meant to exhaust the stack or the clock, and floods of
// notices. Each must end with its notice or error and nothing worse, and a
// load that ends with an error leaves a browsable part.
#include "LoadFixture.h"

#include "load/Footprints.h"
#include "load/Loader.h"
#include <kelpie/model/Panels.h>
#include "support/StressFiles.h"

#include <algorithm>
#include <functional>

using namespace kelpie;
namespace b = kelpie::builder;

namespace {

class LoaderTest : public LoadFixture {};

// A small file where every kind of record is reached: a device with a panel,
// a named frame, a button with an icon and a list that sends a code and
// starts a timer.
struct SmallFile {
    b::CCFBuilder ccf{fmtv2};
    b::Device& tv = ccf.AddDevice(b::Group::Devices, "TV");
    b::Panel& panel = tv.AddPanel("TV");
    b::Frame& frame = panel.AddFrame(0, 0, 240, 40, "Title");
    b::Button& button = frame.AddButton(10, 10, 50, 20, "Power");
    b::IRCode& power = ccf.AddIRCode("Power", {0x5000, 0x0073, 0x0000, 0x0001});
    b::Timer& timer = ccf.AddTimer();
    b::ActionList& list = button.Actions();

    SmallFile() {
        button.Icons[b::InactiveUnselected] = ccf.AddIcon2Color(b::Pixels({"#..#"}));
        list.Code(power).Timer(timer);
    }
};

// A chain of `depth` frames, each inside the one before, on one panel.
std::vector<b::Frame*> NestedFrames(b::CCFBuilder& ccf, int depth) {
    b::Container* parent = &ccf.AddDevice(b::Group::Devices, "Deep").AddPanel("Deep");
    std::vector<b::Frame*> frames;
    for (int i = 0; i < depth; ++i) {
        frames.push_back(&parent->AddFrame(0, 0, 10, 10));
        parent = frames.back();
    }
    return frames;
}

constexpr std::int64_t Far = 0x100000; // beyond every file these tests build

} // namespace

TEST_F(LoaderTest, PositionOutsideTheFileEndsTheLoadNamingTheRecord) {
    struct Case {
        const char* field;
        std::function<void(SmallFile&)> breakIt;
        CCFtypes type;
        std::int64_t position;
    };
    const Case cases[] = {
        {"next device", [](SmallFile& f) { f.tv.Next = b::Raw(Far); }, mtypDevice, Far},
        {"next panel", [](SmallFile& f) { f.panel.Next = b::Raw(Far); }, mtypPanel, Far},
        {"frame entry", [](SmallFile& f) { f.panel.AddChild(0, 0, b::Raw(Far), chtFrame); },
         mtypFrame, Far},
        {"button entry", [](SmallFile& f) { f.frame.AddChild(0, 0, b::Raw(-4), chtButton); },
         mtypButton, -4},
        {"action list", [](SmallFile& f) { f.button.UseActions(b::Raw(Far)); }, mtypActionList,
         Far},
        {"icon", [](SmallFile& f) { f.frame.Icon = b::Raw(Far); }, mtypIcon, Far},
        {"IR code", [](SmallFile& f) { f.list.Code(b::Raw(Far)); }, mtypIRCode, Far},
        {"timer", [](SmallFile& f) { f.list.Timer(b::Raw(-1)); }, mtypTimer, -1},
        {"name", [](SmallFile& f) { f.frame.Name = b::Raw(Far); }, mtypName, Far},
        {"version string", [](SmallFile& f) { f.ccf.Header().VersionString = b::Raw(Far); },
         mtypName, Far},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        SmallFile file;
        c.breakIt(file);
        const auto bytes = file.ccf.Build();
        LoadFails(bytes, ErrorKind::OutOfRange, c.field);
        EXPECT_EQ(error, CCFfile::ObjectName(c.type) + " record at position " +
                             std::to_string(c.position) + " lies outside of the CCF file (" +
                             std::to_string(bytes.size()) + " bytes)");
    }
    EXPECT_TRUE(notices.Texts.empty());
}

// Bytes past the end read as 0, each with a notice.
TEST_F(LoaderTest, RecordCutShortReadsZerosWithANoticePerMissingByte) {
    b::CCFBuilder ccf(fmtv2);
    auto& tv = ccf.AddDevice(b::Group::Devices, "TV");
    tv.Attributes = b::devReadOnly | b::devIsTemplate; // the record's last byte
    tv.Filler1 = 0x01020304;
    ccf.Header().CRC1 = b::Crc::Off(); // the device is then the last record
    ccf.Header().CRC2 = b::Crc::Off();
    ccf.TruncateAt(b::At(tv, 61)); // 4 of its 65 bytes are missing
    const auto size = static_cast<std::int32_t>(ccf.Build().size());
    ASSERT_EQ(size, tv.Position() + 61);
    CCF& loaded = Load(ccf);

    EXPECT_EQ(notices.Texts, OutsideReads(size, size + 3));
    Device& device = loaded.DevicesGroup().Item(1);
    EXPECT_EQ(device.Name(), "TV");
    EXPECT_EQ(device.Filler1(), 0x01020304);
    EXPECT_FALSE(device.ReadOnly());
    EXPECT_FALSE(device.IsTemplate());
    EXPECT_EQ(device.PosFirstPanel(), 0);
}

// What was loaded before the error stays in CCFs and can be walked; links
// the second pass had set before it stopped stay set.
TEST_F(LoaderTest, PartlyLoadedFileStaysInCCFsAndCanBeBrowsed) {
    SmallFile broken;
    broken.ccf.AddDevice(b::Group::Devices, "Radio").IconSelected = b::Raw(Far);
    LoadFails(broken.ccf, ErrorKind::OutOfRange, "first-pass.ccf");
    ASSERT_TRUE(files.Contains("first-pass.ccf"));
    CCF& partial = Last();
    ASSERT_EQ(partial.DevicesGroup().Count(), 2);
    EXPECT_EQ(partial.DevicesGroup().Item(1).Name(), "TV");
    int children = 0, actions = 0;
    walk::Graph(partial,
                {.child = [&](Child&, int) { ++children; }, .action = [&](Action&) { ++actions; }});
    EXPECT_EQ(children, 2);
    EXPECT_EQ(actions, 2);
    EXPECT_EQ(partial.IRCodes().Count(), 1);
    EXPECT_EQ(partial.CCFfile().StructureAt(broken.button.Position()), mtypButton);

    SmallFile unresolved;
    auto& entry = unresolved.tv.Actions(b::Key::Entry);
    entry.Jump(unresolved.tv, unresolved.panel).AliasDevice(b::Raw(3)).AliasDevice(unresolved.tv);
    LoadFails(unresolved.ccf, ErrorKind::MissingKey, "second-pass.ccf");
    Device& tv = Last().DevicesGroup().Item(1);
    EXPECT_EQ(tv.ActionsEntry().Item(1).Panel(), &tv.Panels().Item(1));
    EXPECT_EQ(tv.ActionsEntry().Item(3).Device(), nullptr);
}

TEST_F(LoaderTest, NestingBeyondTheLimitEndsWithOverflowNotAStackOverflow) {
    b::CCFBuilder deepest(fmtv1);
    NestedFrames(deepest, kelpie::Loader::MaxNestingDepth);
    Load(deepest, "limit.ccf");

    for (const int depth : {kelpie::Loader::MaxNestingDepth + 1, 5000}) {
        b::CCFBuilder ccf(fmtv1);
        const auto frames = NestedFrames(ccf, depth);
        LoadFails(ccf, ErrorKind::Overflow, std::to_string(depth) + ".ccf");
        EXPECT_EQ(error, "Frame at " +
                             std::to_string(frames[kelpie::Loader::MaxNestingDepth]->Position()) +
                             " is nested more than 1000 levels deep");
    }

    // Timers nest through timer actions.
    b::CCFBuilder ccf(fmtv2);
    std::vector<b::Timer*> timers;
    for (int i = 0; i < 1500; ++i)
        timers.push_back(&ccf.AddTimer());
    for (std::size_t i = 0; i + 1 < timers.size(); ++i)
        timers[i]->Start = b::Action::Timer(*timers[i + 1]);
    ccf.AddDevice(b::Group::Devices, "TV").Actions(b::Key::Entry).Timer(*timers[0]);
    LoadFails(ccf, ErrorKind::Overflow, "timers.ccf");
    EXPECT_EQ(error, "Timer at " +
                         std::to_string(timers[kelpie::Loader::MaxNestingDepth]->Position()) +
                         " is nested more than 1000 levels deep");
}

// Frames are loaded again wherever they are reached, so 40 levels of frames
// that each list the next one twice would make 2^40 objects. The load stops
// once its objects would outgrow its memory budget, and what it kept fits.
TEST_F(LoaderTest, FramesSharedOnEveryLevelStopAtTheMemoryBudget) {
    const auto bytes = b::SharedFramesFile(40);
    const auto budget = Loader::MemoryBudget(static_cast<std::int32_t>(bytes.size()));
    LoadFails(bytes, ErrorKind::Overflow);
    EXPECT_NE(error.find("would take more than " + std::to_string(budget) + " bytes of memory"),
              std::string::npos)
        << error;
    std::int64_t frames = 0;
    walk::Graph(Last(), {.child = [&](Child&, int) { ++frames; }});
    EXPECT_GT(frames * footprint::Frame, budget / 2);
    EXPECT_LE(frames * footprint::Frame, budget);
}

// A small file may place one frame many times: 17 placements of a frame
// that lists one empty frame 255 times make 4,352 frames of 2.6 KB.
TEST_F(LoaderTest, AFrameOf255ChildrenPlaced17TimesLoads) {
    b::CCFBuilder ccf(fmtv2);
    auto& panel = ccf.AddDevice(b::Group::Devices, "TV").AddPanel("TV");
    auto& outer = ccf.AddFrame(240, 200);
    auto& inner = ccf.AddFrame(10, 10);
    for (int i = 0; i < 255; ++i)
        outer.AddChild(0, 0, inner);
    for (int i = 0; i < 17; ++i)
        panel.AddChild(0, 0, outer);
    const auto bytes = ccf.Build();
    ASSERT_LT(bytes.size(), 2700u);
    int frames = 0;
    walk::Graph(files.AddBytes("placed.ccf", bytes), {.child = [&](Child&, int) { ++frames; }});
    EXPECT_EQ(frames, 17 + 17 * 255);
}

// Child entries of an unknown type create nothing, but reading them is work
// all the same: they count against the same budget, so shared frames full of
// them cannot make the load crawl.
TEST_F(LoaderTest, UnknownChildEntriesCountAgainstTheMemoryBudget) {
    b::CCFBuilder ccf(fmtv2);
    const auto frames = NestedFrames(ccf, 20);
    for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
        frames[i]->AddChild(20, 0, *frames[i + 1]);
        for (int j = 0; j < 253; ++j)
            frames[i]->AddChild(0, 0, b::Raw(100), 7);
    }
    const auto bytes = ccf.Build();
    const auto budget = Loader::MemoryBudget(static_cast<std::int32_t>(bytes.size()));
    LoadFails(bytes, ErrorKind::Overflow);
    EXPECT_NE(error.find("more than " + std::to_string(budget) + " bytes"), std::string::npos)
        << error;
    EXPECT_LT(std::count(notices.Texts.begin(), notices.Texts.end(), "Unknown child type 7"),
              budget / footprint::Frame);
}

// A size word makes a code or icon claim up to 32 KB, even where the file
// has far fewer bytes; many of them at different positions would take
// memory and time far beyond the file's size. The data of a small file's
// codes and icons stay within 1 MiB (a large file's within twice its size).
TEST_F(LoaderTest, DataOfIRCodesAndIconsIsBoundedByTheFileSize) {
    b::CCFBuilder ccf(fmtv2);
    std::vector<std::uint8_t> codes; // 40 codes of 32761 data bytes, 6 bytes apart
    for (int i = 0; i < 40; ++i)
        codes.insert(codes.end(), {0x7F, 0xFF, 0, 0, 0, 0});
    auto& block = ccf.AddRawBlock(codes);
    auto& list = ccf.AddDevice(b::Group::Devices, "TV").Actions(b::Key::Entry);
    for (int i = 0; i < 40; ++i)
        list.Code(b::At(block, 6 * i));
    LoadFails(ccf, ErrorKind::Overflow);
    // 32 codes fit in 1 MiB, the 33rd does not.
    EXPECT_EQ(error,
              "IR code at " + std::to_string(block.Position() + 6 * 32) +
                  " would take the data of the file's IR codes and icons beyond 1048576 bytes");
    EXPECT_EQ(Last().IRCodes().Count(), 32);
    std::int64_t kept = 0;
    for (auto& code : Last().IRCodes())
        kept += static_cast<std::int64_t>(code.IRCodeData().size());
    EXPECT_EQ(kept, 32 * 32761);

    // Icons share the budget: 20 devices with two icons of 32759 data bytes.
    b::CCFBuilder icons(fmtv2);
    std::vector<std::uint8_t> heads;
    for (int i = 0; i < 40; ++i)
        heads.insert(heads.end(), {0x7F, 0xFF, 0, 1, 0, 1, 0x18, 0});
    auto& iconBlock = icons.AddRawBlock(heads);
    for (int i = 0; i < 20; ++i) {
        auto& device = icons.AddDevice(b::Group::Devices, "TV");
        device.IconUnselected = b::At(iconBlock, 16 * i);
        device.IconSelected = b::At(iconBlock, 16 * i + 8);
    }
    LoadFails(icons, ErrorKind::Overflow, "icons.ccf");
    EXPECT_EQ(error,
              "Icon at " + std::to_string(iconBlock.Position() + 8 * 32) +
                  " would take the data of the file's IR codes and icons beyond 1048576 bytes");
}

TEST_F(LoaderTest, NoticesStopAfterAHundredThousand) {
    b::CCFBuilder ccf(fmtv2);
    auto& list = ccf.AddDevice(b::Group::Devices, "TV").Actions(b::Key::Entry);
    ccf.Header().CRC1 = b::Crc::Off();
    ccf.Header().CRC2 = b::Crc::Off();
    for (int i = 0; i < 4; ++i) // each code's 32761 bytes run past the end of the file
        list.Code(b::At(ccf.AddRawBlock({0x7F, 0xFF, 0, 0, 0, 0})));
    Load(ccf);

    ASSERT_EQ(notices.Texts.size(), 100001u);
    EXPECT_EQ(
        notices.Texts[99999].rfind("Attempt to access data outside of CCF file at position ", 0),
        0u);
    EXPECT_EQ(notices.Texts.back(),
              "More than 100000 notices for this file; the rest are not shown");
    EXPECT_EQ(Last().IRCodes().Count(), 4);
}
