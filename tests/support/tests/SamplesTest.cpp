// The sample files in samples/: the committed bytes are what the builder
// makes today (run `ccf-samples samples` after changing the builder or the
// samples), and each file holds what the quick start and the screenshots
// show: every record kind, every action type, all icon encodings, shared
// records, a timer with both actions, hidden and special panels, a device in
// each group and nested frames.
#include "support/Samples.h"
#include "ReaderWalk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

using namespace kelpie;
using namespace kelpie::builder;

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SampleFile : public ::testing::TestWithParam<Sample> {};

} // namespace

TEST_P(SampleFile, CommittedFileIsWhatTheBuilderMakes) {
    const auto path = std::filesystem::path(KELPIE_SOURCE_DIR) / "samples" / GetParam().FileName;
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing: run ccf-samples samples";
    const auto committed = ReadFile(path);
    const auto built = BuildSample(GetParam());
    ASSERT_EQ(committed.size(), built.size()) << path << " is stale: run ccf-samples samples";
    EXPECT_TRUE(committed == built) << path << " is stale: run ccf-samples samples";
}

TEST_P(SampleFile, HoldsEveryKindOfRecordAndAction) {
    readers::DecodedFile file(BuildSample(GetParam()));
    EXPECT_EQ(file.Format, GetParam().Format);
    EXPECT_TRUE(file.Notices.empty());
    EXPECT_FALSE(file.HomeGroup.empty());
    EXPECT_FALSE(file.DeviceGroup.empty());
    EXPECT_FALSE(file.MacroGroup.empty());
    EXPECT_FALSE(file.SpecialPanels.empty());
    EXPECT_FALSE(file.Frames.empty());
    EXPECT_FALSE(file.Buttons.empty());
    EXPECT_FALSE(file.Names.empty());

    std::set<int> actionTypes, specialJumps;
    for (const auto& [pos, action] : file.Actions) {
        actionTypes.insert(action.ActionType);
        if (action.ActionType == actJump && action.Parameter1 == 0)
            specialJumps.insert(action.Parameter2);
    }
    EXPECT_EQ(actionTypes, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(specialJumps.size(), 5u) << "back, forward, scroll up and down, mouse mode";

    std::set<std::uint16_t> iconTypes;
    bool sharedIcon = false;
    for (const auto& [pos, icon] : file.Icons) {
        iconTypes.insert(static_cast<std::uint16_t>(icon.RawIconType));
        sharedIcon = sharedIcon || file.References[pos] > 1;
    }
    EXPECT_EQ(iconTypes, (std::set<std::uint16_t>{RawIcon2Color, RawIcon4Color,
                                                  RawIcon4ColorCompressed, RawIcon8Color}));
    EXPECT_TRUE(sharedIcon);
    bool sharedCode = false;
    for (const auto& [pos, code] : file.IRCodes)
        sharedCode = sharedCode || file.References[pos] > 1;
    EXPECT_TRUE(sharedCode);

    bool bothActions = false;
    for (const auto& [pos, timer] : file.Timers)
        bothActions =
            bothActions || (timer.StartAction.ActionType != 0 && timer.EndAction.ActionType != 0);
    EXPECT_TRUE(bothActions);
    EXPECT_EQ(file.Timers.count(file.Header.PosNextTimer), 1u);

    bool hidden = false;
    for (const auto& [pos, panel] : file.Panels)
        hidden = hidden || panel.NameWord < 0;
    EXPECT_TRUE(hidden);

    bool nested = false; // a frame entry in a frame's children list
    const std::int32_t head = file.Format == fmtV3 ? 23 : 20;
    for (const auto& [pos, frame] : file.Frames)
        for (int i = 0; i < frame.ChildCount; ++i)
            nested = nested || file.Children.at(pos + head + 9 * i).ChildType == chtFrame;
    EXPECT_TRUE(nested);
    EXPECT_TRUE(file.Unaccessed().empty() ||
                (file.Unaccessed().size() == 1 && file.Unaccessed()[0].second == 1));
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleFile, ::testing::ValuesIn(Samples()),
                         [](const auto& info) { return TestName(info.param); });
