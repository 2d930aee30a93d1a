// A configuration file from a user's remote (two-level grey format), not made
// by this project. Skipped where the shared test data are not present.
#include "GraphWalk.h"

#include <kelpie/Error.h>
#include <kelpie/model/CCFs.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace kelpie;

namespace {

const std::string RealFilePath = std::string(KELPIE_SHARED_TESTDATA) + "/real/2002-10-17.ccf";

class RealFile : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(RealFilePath))
            GTEST_SKIP() << "no shared test data at " << RealFilePath;
        files.SetNoticeHandler([this](const std::string& text) { notices.push_back(text); });
        ccf = &files.Add(RealFilePath);
    }
    CCFs files;
    CCF* ccf = nullptr;
    std::vector<std::string> notices;
};

} // namespace

TEST_F(RealFile, LoadsWithoutNoticesAndAValidChecksum) {
    EXPECT_TRUE(notices.empty()) << notices.front();
    EXPECT_EQ(ccf->FileFormat(), fmtv2);
    EXPECT_EQ(ccf->CCFfile().FileSize(), 342972);
    EXPECT_EQ(ccf->VersionString(), "2002-10-17");
    EXPECT_NE(ccf->PosCRC1(), 0);
    EXPECT_EQ(ccf->CalculateCRC(), ccf->CRC1());
}

TEST_F(RealFile, HasPlausibleCounts) {
    EXPECT_EQ(ccf->HomeGroup().Count(), 1);
    EXPECT_EQ(ccf->DevicesGroup().Count(), 12);
    EXPECT_EQ(ccf->MacrosGroup().Count(), 4);
    EXPECT_EQ(ccf->DevicesGroup().Item(2).Name(), "TV");
    EXPECT_EQ(ccf->Icons().Count(), 167);
    EXPECT_EQ(ccf->IRCodes().Count(), 503);

    int panels = 0, buttons = 0, frames = 0;
    walk::Graph(
        *ccf, {.panel = [&](Panel&) { ++panels; },
               .child = [&](Child& c, int) { ++(c.ChildType() == chtButton ? buttons : frames); }});
    // Every record of these kinds in the structure map became an object.
    std::int32_t start = 0, next = 0;
    EXPECT_EQ(panels, ccf->CCFfile().ObjectCount(mtypPanel, start, next));
    EXPECT_EQ(buttons, ccf->CCFfile().ObjectCount(mtypButton, start, next));
    EXPECT_EQ(frames, ccf->CCFfile().ObjectCount(mtypFrame, start, next));
}

TEST_F(RealFile, ResolvesEveryReference) {
    int actions = 0;
    walk::Graph(*ccf, {.action = [&](Action& a) {
        ++actions;
        switch (a.ActionType()) {
        case actCode:
            EXPECT_NE(a.IRCode(), nullptr) << a.Position();
            break;
        case actButtonAlias:
            EXPECT_NE(a.Device(), nullptr) << a.Position();
            EXPECT_NE(a.Button(), nullptr) << a.Position();
            break;
        case actJump:
            if (a.Parameter2() >= 74) {
                EXPECT_NE(a.Panel(), nullptr) << a.Position();
                EXPECT_EQ(a.Panel()->Position(), a.Parameter2());
            }
            break;
        case actKeyAlias:
        case actAliasDevice:
            EXPECT_NE(a.Device(), nullptr) << a.Position();
            break;
        case actTimer:
            EXPECT_NE(a.Timer(), nullptr) << a.Position();
            break;
        default:
            break;
        }
    }});
    std::int32_t start = 0, next = 0;
    EXPECT_EQ(actions, ccf->CCFfile().ObjectCount(mtypAction, start, next));

    // The reference counts of shared records add up to their users.
    std::int32_t codeUses = 0;
    for (auto& code : ccf->IRCodes())
        codeUses += code.ReferenceCount();
    int codeActions = 0;
    walk::Graph(*ccf, {.action = [&](Action& a) { codeActions += a.ActionType() == actCode; }});
    EXPECT_EQ(codeUses, codeActions);
}

TEST_F(RealFile, AccountsForAlmostEveryByte) {
    std::int32_t length = 0, unaccounted = 0;
    for (std::int32_t pos = -1; (pos = ccf->CCFfile().NextUnaccessedMemory(pos, length)) >= 0;
         pos += length - 1)
        unaccounted += length;
    EXPECT_LT(unaccounted, 64);
}
