// Opened files: tags, keys, the registry, opening and closing, the tree's top
// level, and how the list and the display pane route a tag.
#include "TestBrowser.h"

#include <kelpie/Error.h>
#include "support/CCFBuilder.h"
#include "support/Samples.h"

using namespace vantor;
using namespace kelpie::builder;

namespace {

std::vector<std::uint8_t> EmptyFile(kelpie::CCFFileFormats format = kelpie::fmtv2) {
    CCFBuilder ccf(format);
    return ccf.Build();
}

std::vector<std::uint8_t> LivingRoom() {
    return BuildSample(Samples()[1]);
}

struct Registered {
    kelpie::Device* device = nullptr;
    kelpie::Panel* panel = nullptr;
    kelpie::Frame* frame = nullptr;
    kelpie::Button* button = nullptr;
};

struct OpenedFiles : vantor::testing::TestBrowser {
    // Registers a device of the living room, its first panel, a frame and a
    // button on it and the button's actions, as the tree build does.
    Registered RegisterOneOfEach(CCFlocal& file) {
        Registered records;
        browser.OutputMode = omTree;
        records.device = &file.CCF().DevicesGroup().Item(1);
        records.panel = &records.device->Panels().Item(1);
        for (auto& child : records.panel->Children()) {
            if (!records.frame) records.frame = child.AsFrame();
            if (!records.button) records.button = child.AsButton();
        }
        EXPECT_TRUE(records.frame && records.button);
        const auto save = [&](auto* object, const char* type) {
            file.SaveObject(object, type, object->Position());
        };
        save(records.device, "D");
        save(records.panel, "P");
        save(static_cast<kelpie::Child*>(records.frame), "F");
        save(static_cast<kelpie::Child*>(records.button), "B");
        save(&records.button->Actions(), "L");
        return records;
    }

    // Makes `file`'s root the current item, as selecting it does.
    void Select(const CCFlocal& file) { browser.ShowDisplay(file.TreeKey()); }
};

} // namespace

TEST(Tags, ParseTreeKeysAndTags) {
    std::string key = "k", type = "t";
    std::int32_t position = -1;
    ASSERT_TRUE(ParseTag("CCF1/P/452/17", key, type, position));
    EXPECT_EQ(key, "CCF1");
    EXPECT_EQ(type, "P");
    EXPECT_EQ(position, 452);
    ASSERT_TRUE(ParseTag("CCF12/H/0", key, type, position));
    EXPECT_EQ(key, "CCF12");
    EXPECT_EQ(position, 0);
    EXPECT_FALSE(ParseTag("no slash", key, type, position));
    EXPECT_EQ(key, "CCF12"); // untouched
    EXPECT_EQ(MakeTag("CCF3", "D", 1234), "CCF3/D/1234");
}

TEST_F(OpenedFiles, KeysCountUpFromTheLargestOpenKey) {
    EXPECT_EQ(Open("a.ccf", EmptyFile()).Key(), "CCF1");
    CCFlocal& second = Open("b.ccf", EmptyFile());
    EXPECT_EQ(second.Key(), "CCF2");
    Select(second);
    browser.CloseCurrentCCF();
    EXPECT_EQ(Open("c.ccf", EmptyFile()).Key(), "CCF2"); // reused: no higher key is open
    Select(*browser.BrowserFiles.Item("CCF1"));
    browser.CloseCurrentCCF();
    EXPECT_EQ(Open("d.ccf", EmptyFile()).Key(), "CCF3"); // CCF2 is still open
}

TEST_F(OpenedFiles, TheRegistryHoldsTheHeaderAndEachSharedRecordOnce) {
    CCFlocal& file = Open("living.ccf", LivingRoom());
    kelpie::CCF& ccf = file.CCF();
    ASSERT_NE(file.FindObject("CCF1/H/0"), nullptr);
    EXPECT_EQ(std::get<kelpie::CCF*>(*file.FindObject("CCF1/H/0")), &ccf);
    ASSERT_GE(ccf.Icons().Count(), 5);
    for (auto& icon : ccf.Icons()) {
        const RegisteredObject* found = file.FindObject(MakeTag("CCF1", "I", icon.Position()));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(std::get<kelpie::Icon*>(*found), &icon);
    }
    for (auto& code : ccf.IRCodes()) {
        const RegisteredObject* found = file.FindObject(MakeTag("CCF1", "C", code.Position()));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(std::get<kelpie::IRCode*>(*found), &code);
    }
    // Group tags are not records: the list and the pane map them to the header.
    EXPECT_EQ(file.FindObject("CCF1/Z/0"), nullptr);
}

TEST_F(OpenedFiles, ATagRegisteredTwiceKeepsItsFirstObject) {
    CCFlocal& file = Open("a.ccf", EmptyFile());
    kelpie::Icons loose; // two icons that were never in a file: both at position 0
    kelpie::Icon& first = loose.Add();
    kelpie::Icon& second = loose.Add();
    file.SaveObject(&first, "I", 0);
    EXPECT_NO_THROW(file.SaveObject(&second, "I", 0));
    EXPECT_EQ(std::get<kelpie::Icon*>(*file.FindObject("CCF1/I/0")), &first);
}

TEST_F(OpenedFiles, AnEmptyFileShowsItsRootAndTheThreeGroups) {
    Open("empty.ccf", EmptyFile());
    const auto* root = tree.Find("CCF1/H/0");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->ParentKey, "");
    EXPECT_EQ(root->Text, "empty.ccf");
    EXPECT_EQ(root->ImageKey, "Pronto");
    EXPECT_TRUE(root->Expanded);
    const auto groups = tree.ChildrenOf("CCF1/H/0");
    ASSERT_EQ(groups.size(), 3u);
    const char* expected[][4] = {{"Home", "Home", "CCF1/Z/0", "CCF1/Z/0/1"},
                                 {"Devices", "DeviceGroup", "CCF1/G/0", "CCF1/G/0/2"},
                                 {"Macros", "MacroGroup", "CCF1/M/0", "CCF1/M/0/3"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(groups[i]->Text, expected[i][0]);
        EXPECT_EQ(groups[i]->ImageKey, expected[i][1]);
        EXPECT_EQ(groups[i]->Tag, expected[i][2]);
        EXPECT_EQ(groups[i]->Key, expected[i][3]);
    }
    EXPECT_FALSE(ui.Busy);
}

TEST_F(OpenedFiles, ASampleShowsTheHomeIconFirstAndTheMacroRecordingPanelLast) {
    CCFlocal& file = Open("living.ccf", LivingRoom());
    std::vector<std::string> types;
    for (const auto* node : tree.ChildrenOf(file.TreeKey())) {
        std::string key, type;
        std::int32_t position = 0;
        ParseTag(node->Tag, key, type, position);
        types.push_back(type);
        if (type == "I") {
            EXPECT_EQ(node->Text, "Home Icon");
            EXPECT_EQ(position, file.CCF().HomeIcon()->Position());
        }
    }
    if (!types.empty() && types.front() == "I") types.erase(types.begin());
    EXPECT_EQ(types, (std::vector<std::string>{"Z", "G", "M", "Y"}));
    EXPECT_EQ(tree.ChildrenOf(file.TreeKey()).back()->Text, "Macro Recording Panel");
}

TEST_F(OpenedFiles, AnEmptyHomeGroupHasNoHomeIconAndDoesNotFail) {
    // The library cannot name the home icon of an empty home group; the tree,
    // the display and the report must not ask it to.
    CCFBuilder ccf(kelpie::fmtv2);
    ccf.AddDevice(Group::Devices, "TV");
    CCFlocal& file = Open("nohome.ccf", ccf.Build());
    EXPECT_EQ(tree.ChildrenOf(file.TreeKey()).size(), 3u);
    EXPECT_TRUE(Contains(Lines(display.Document), "\\par     Home Icon: Default"));
    EXPECT_TRUE(DumpCCF(browser.Tools(), file, PathOf("nohome.rtf"), false));
    EXPECT_TRUE(Contains(Lines(ReadFile(PathOf("nohome.rtf"))), "\\par     Home Icon: Default"));
}

TEST_F(OpenedFiles, OpeningShowsTheRootInTheListAndThePane) {
    CCFlocal& file = Open("empty.ccf", EmptyFile());
    EXPECT_EQ(browser.CurrentTag, "CCF1/H/0");
    ASSERT_EQ(list.Columns.size(), 1u);
    EXPECT_EQ(list.Columns[0].Heading, "Group");
    EXPECT_EQ(list.Columns[0].WidthTwips, 2000);
    ASSERT_EQ(list.Rows.size(), 4u);
    const char* rows[][3] = {{"Home", "Home", "CCF1/Z/0"},
                             {"Devices", "DeviceGroup", "CCF1/G/0"},
                             {"Macros", "MacroGroup", "CCF1/M/0"},
                             {"Default", "Panel", "CCF1/Y/0"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(list.Rows[i].Text, rows[i][0]);
        EXPECT_EQ(list.Rows[i].ImageKey, rows[i][1]);
        EXPECT_EQ(list.Rows[i].Tag, rows[i][2]);
    }
    EXPECT_TRUE(Contains(Lines(display.Document), "\\par  Properties:"));
    EXPECT_EQ(browser.CurrentFile(), &file);
    EXPECT_EQ(browser.CurrentFileName(), "empty.ccf");

    // A header whose third version word is 60 lists no "Default" row.
    CCFBuilder older(kelpie::fmtv1);
    older.Header().Version3 = 60;
    Open("older.ccf", older.Build());
    EXPECT_EQ(list.Rows.size(), 3u);
}

TEST_F(OpenedFiles, TheListRoutesEachTypeOfTag) {
    CCFlocal& file = Open("living.ccf", LivingRoom());
    kelpie::CCF& ccf = file.CCF();
    const Registered records = RegisterOneOfEach(file);
    kelpie::Device& device = *records.device;
    kelpie::Panel& panel = *records.panel;
    kelpie::Frame* frame = records.frame;
    kelpie::Button* button = records.button;
    const std::int32_t homeCount = file.HomeDeviceCount, deviceCount = file.DeviceCount;

    const auto headings = [&](const std::string& tag) {
        browser.ShowDetailList(tag);
        std::vector<std::string> names;
        for (const auto& column : list.Columns)
            names.push_back(column.Heading + ":" + std::to_string(column.WidthTwips));
        return names;
    };
    using Names = std::vector<std::string>;
    const Names devices{"Name:2000", "Attributes:2000"},
        panels{"Name:2000", "Attributes:2000", "Children:2000"},
        children{"Name:2000", "Type:1000", "X:800", "Y:800"};
    for (const char* group : {"CCF1/Z/0", "CCF1/G/0", "CCF1/M/0"})
        EXPECT_EQ(headings(group), devices) << group;
    EXPECT_EQ(headings("CCF1/Y/0"), panels);
    EXPECT_EQ(headings(MakeTag("CCF1", "D", device.Position())), panels);
    EXPECT_EQ(headings(MakeTag("CCF1", "P", panel.Position())), children);
    EXPECT_EQ(headings(MakeTag("CCF1", "F", frame->Position())), children);
    EXPECT_EQ(headings(MakeTag("CCF1", "B", button->Position())), Names{"Type:2000"});
    EXPECT_EQ(headings(MakeTag("CCF1", "L", button->Actions().Position())),
              (Names{"Action:2000", "Decoded:3000"}));
    EXPECT_TRUE(list.HeadingsVisible);
    // Selecting a group lists it with a counter of its own.
    EXPECT_EQ(file.HomeDeviceCount, homeCount);
    EXPECT_EQ(file.DeviceCount, deviceCount);

    const std::string leaves[] = {MakeTag("CCF1", "I", ccf.Icons().Item(1).Position()),
                                  MakeTag("CCF1", "C", ccf.IRCodes().Item(1).Position())};
    for (const auto& tag : leaves) {
        EXPECT_EQ(headings(tag), Names{}) << tag;
        EXPECT_FALSE(list.HeadingsVisible);
        EXPECT_TRUE(list.Rows.empty());
    }
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(headings("CCF1/Q/0"), Names{});
    EXPECT_TRUE(list.Rows.empty());
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"Unexpected Tag - CCF1/Q/0"});
}

TEST_F(OpenedFiles, ThePaneMapsGroupTagsToTheHeaderAndRefusesOthers) {
    CCFlocal& file = Open("living.ccf", LivingRoom());
    const std::string empty = browser.Writer.HeaderLine("\\fs16 ") + "\r\n\\par }";
    for (const char* tag : {"CCF1/Z/0", "CCF1/G/0", "CCF1/M/0", "CCF1/Y/0"}) {
        browser.ShowDisplay(tag);
        EXPECT_EQ(browser.CurrentTag, tag);
        EXPECT_EQ(display.Document.rfind(browser.Writer.HeaderLine("\\fs16 "), 0), 0u);
    }
    EXPECT_TRUE(ui.Messages.empty());
    browser.ShowDisplay("CCF1/X/0");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"Unexpected Tag - CCF1/X/0"});
    EXPECT_EQ(display.Document, empty);

    // Records of every kind reach the pane; panels, frames, buttons and icons
    // are drawn afterwards.
    ui.Messages.clear();
    const Registered records = RegisterOneOfEach(file);
    const auto shown = [&](const char* type, std::int32_t position) {
        const std::string tag = MakeTag("CCF1", type, position);
        browser.ShowDisplay(tag);
        EXPECT_EQ(browser.CurrentTag, tag);
        return browser.OutputMode;
    };
    EXPECT_EQ(shown("D", records.device->Position()), omDisplay);
    EXPECT_EQ(shown("P", records.panel->Position()), omDrawPanel);
    EXPECT_EQ(shown("F", records.frame->Position()), omDrawPanel);
    EXPECT_EQ(shown("B", records.button->Position()), omDrawPanel);
    EXPECT_EQ(shown("L", records.button->Actions().Position()), omDisplay);
    EXPECT_EQ(shown("C", file.CCF().IRCodes().Item(1).Position()), omDisplay);
    EXPECT_EQ(shown("I", file.CCF().Icons().Item(1).Position()), omDrawPanel);
    EXPECT_TRUE(ui.Messages.empty());

    browser.CurrentTag = file.TreeKey();
    browser.RefreshDisplay();
    EXPECT_EQ(Lines(display.Document)[0], browser.Writer.HeaderLine("\\fs16 ") + "CCF File Header");
}

TEST_F(OpenedFiles, OpenAndCloseThroughTheLibrary) {
    const std::string path = PathOf("living.ccf"), other = PathOf("other.ccf");
    WriteFile(path, LivingRoom());
    WriteFile(other, EmptyFile());
    EXPECT_EQ(browser.OpenCCF(path).Key(), "CCF1");
    EXPECT_EQ(browser.CurrentFileName(), path);
    try {
        browser.OpenCCF(path);
        FAIL() << "a file that is open cannot be opened again";
    } catch (const kelpie::Error& error) {
        EXPECT_EQ(error.Kind(), kelpie::ErrorKind::DuplicateKey);
    }
    EXPECT_EQ(browser.LibraryFiles.Count(), 1);
    EXPECT_EQ(browser.BrowserFiles.Count(), 1);

    CCFlocal& second = browser.OpenCCF(other);
    const std::size_t firstNodes = tree.Nodes.size() - 4; // the other file: root and three groups
    EXPECT_EQ(browser.CurrentFile(), &second);
    browser.CloseCurrentCCF();
    EXPECT_EQ(tree.Nodes.size(), firstNodes);
    EXPECT_EQ(tree.Find("CCF2/H/0"), nullptr);
    EXPECT_NE(tree.Find("CCF1/H/0"), nullptr);
    EXPECT_EQ(browser.LibraryFiles.Count(), 1);
    EXPECT_EQ(browser.BrowserFiles.Count(), 1);
    EXPECT_TRUE(list.Rows.empty());
    EXPECT_EQ(browser.CurrentFileName(), "");
}

TEST_F(OpenedFiles, AFileThatFailsToLoadCanBeOpenedAgain) {
    CCFBuilder ccf(kelpie::fmtv2);
    ccf.Header().PosHomeGroup = Ref<Device>(Raw(1000000)); // far outside the file
    const std::string path = PathOf("broken.ccf");
    WriteFile(path, ccf.Build());
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            browser.OpenCCF(path);
            FAIL() << "the load must fail";
        } catch (const kelpie::Error& error) {
            EXPECT_EQ(error.Kind(), kelpie::ErrorKind::OutOfRange) << error.what();
        }
        EXPECT_EQ(browser.LibraryFiles.Count(), 0);
        EXPECT_EQ(browser.BrowserFiles.Count(), 0);
        EXPECT_TRUE(tree.Nodes.empty());
    }
}
