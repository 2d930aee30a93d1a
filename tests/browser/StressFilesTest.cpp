// Files at the limits: each loads, or stops with a clear error, and what was
// loaded still makes its tree and its full report.
#include "TestBrowser.h"

#include <kelpie/Error.h>
#include <kelpie/model/Children.h>
#include <kelpie/model/Frame.h>
#include <kelpie/model/Icons.h>
#include "support/StressFiles.h"

namespace b = kelpie::builder;

namespace vantor::testing {
namespace {

struct StressFiles : TestBrowser {
    // Loads the bytes (an error ends the load but keeps what was loaded),
    // opens what was loaded, and writes its full report.
    CCFlocal& OpenAndReport(const std::string& name, std::vector<std::uint8_t> bytes) {
        try {
            browser.LibraryFiles.AddBytes(name, std::move(bytes));
        } catch (const kelpie::Error& error) {
            loadError = error.what();
            loadErrorKind = error.Kind();
        }
        CCFlocal& file =
            browser.BrowserFiles.Add(browser.LibraryFiles.ItemPtr(browser.LibraryFiles.Count()));
        Load(browser, file);
        EXPECT_TRUE(DumpCCF(browser.Tools(), file, PathOf(name + ".rtf"), true));
        return file;
    }
    std::string loadError;
    kelpie::ErrorKind loadErrorKind{};
};

TEST_F(StressFiles, AHundredThousandNestedFramesStopAtTheNestingLimit) {
    CCFlocal& file = OpenAndReport("deep.ccf", b::NestedFramesFile(100000));
    EXPECT_EQ(loadErrorKind, kelpie::ErrorKind::Overflow);
    EXPECT_NE(loadError.find("is nested more than 1000 levels deep"), std::string::npos)
        << loadError;
    // The thousand levels that were loaded (and the frame that went too deep,
    // without its children) are in the tree.
    int depth = 0;
    const kelpie::Children* level = &file.CCF().DevicesGroup().Item(1).Panels().Item(1).Children();
    while (level != nullptr && level->Count() > 0) {
        ++depth;
        level = level->Item(1).AsFrame()->Children();
    }
    EXPECT_EQ(depth, 1001);
    EXPECT_GT(tree.Nodes.size(), 1000u);
}

TEST_F(StressFiles, APanelOf255ButtonsWith255ActionsEachLoadsWhole) {
    CCFlocal& file = OpenAndReport("wide.ccf", b::WidePanelFile(255, 255));
    EXPECT_EQ(loadError, "");
    const kelpie::Children& buttons = file.CCF().DevicesGroup().Item(1).Panels().Item(1).Children();
    ASSERT_EQ(buttons.Count(), 255);
    EXPECT_EQ(buttons.Item(255).AsButton()->Actions().Count(), 255);
    EXPECT_EQ(file.CCF().IRCodes().Item(1).ReferenceCount(), 255 * 255);
}

TEST_F(StressFiles, OneIconUsedAHundredThousandTimesIsLoadedOnce) {
    CCFlocal& file = OpenAndReport("icon.ccf", b::SharedIconFile(100000));
    EXPECT_EQ(loadError, "");
    ASSERT_EQ(file.CCF().Icons().Count(), 1);
    EXPECT_EQ(file.CCF().Icons().Item(1).ReferenceCount(), 100000);
}

TEST_F(StressFiles, AFileWhosePointersAllLeadPastTheEndGivesNoticesOnly) {
    CCFlocal& file = OpenAndReport("nowhere.ccf", b::NoticesFile(2000));
    EXPECT_EQ(loadError, "");
    EXPECT_EQ(file.CCF().DevicesGroup().Count(), 2000);
    // The name and the icons at the same byte also disagree about its kind.
    ASSERT_EQ(notices.size(), 100001u);
    EXPECT_EQ(notices.front().rfind("Attempt to access data outside of CCF file at position ", 0),
              0u);
    EXPECT_EQ(notices.back(), "More than 100000 notices for this file; the rest are not shown");
}

} // namespace
} // namespace vantor::testing
