// The entry object: loaded files keyed by name, and what opening a file that
// is missing, unreadable, empty or cut short gives.
#include <kelpie/model/CCFs.h>

#include "ExpectError.h"
#include "file/HeaderImage.h"
#include "file/NoticeLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace kelpie;

namespace {

// A file in the temporary directory, named after the test, removed afterwards.
struct TempFile {
    explicit TempFile(const std::vector<std::uint8_t>& bytes)
        : Path((std::filesystem::temp_directory_path() /
                ("kelpie-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ccf"))
                   .string()) {
        std::ofstream(Path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { std::filesystem::remove(Path); }
    const std::string Path;
};

class CCFsTest : public ::testing::Test {
protected:
    void SetUp() override { files.SetNoticeHandler(log.Handler()); }
    CCF& AddHeader(const std::string& name) { return files.AddBytes(name, header.Bytes()); }

    const BigEndianBytes header = HeaderImage(GreyHeader());
    NoticeLog log;
    CCFs files;
};

// ---- Keys

TEST_F(CCFsTest, FilesAreKeyedByNameWithoutRegardToCase) {
    CCF& home = AddHeader("Home.ccf");
    EXPECT_EQ(&files.Item("HOME.CCF"), &home);
    EXPECT_KELPIE_ERROR(files.Item("Other.ccf"), ErrorKind::InvalidArgument);
    EXPECT_KELPIE_ERROR(AddHeader("home.CCF"), ErrorKind::DuplicateKey);
    EXPECT_EQ(files.Count(), 1);
    files.Remove("hOME.ccf");
    EXPECT_EQ(files.Count(), 0);
    EXPECT_KELPIE_ERROR(files.Remove("Home.ccf"), ErrorKind::InvalidArgument);
}

TEST_F(CCFsTest, DuplicateNameFailsBeforeTheFileIsRead) {
    TempFile file(header.Bytes());
    files.Add(file.Path);
    std::filesystem::remove(file.Path); // reading it again would be a file error
    EXPECT_KELPIE_ERROR(files.Add(file.Path), ErrorKind::DuplicateKey);
}

TEST_F(CCFsTest, KeysFollowRemovalByPosition) {
    for (const char* name : {"a.ccf", "b.ccf", "c.ccf"})
        AddHeader(name);
    files.Remove(2);
    EXPECT_EQ(&files.Item("c.ccf"), &files.Item(2));
    Collection<CCF>& plain = files; // the keys must follow here too
    plain.Remove(1);
    EXPECT_EQ(&files.Item("c.ccf"), &files.Item(1));
    EXPECT_KELPIE_ERROR(files.Item("a.ccf"), ErrorKind::InvalidArgument);
}

// ---- Opening files

TEST_F(CCFsTest, FilesThatCannotBeReadAreFileErrorsAndStayUnderTheirNames) {
    const std::string missing = "/nonexistent-kelpie-dir/missing.ccf";
    EXPECT_KELPIE_ERROR(files.Add(missing), ErrorKind::FileError);
    EXPECT_TRUE(files.Contains(missing));
    try { // a directory opens like a file, claiming an absurd length
        files.Add(std::filesystem::temp_directory_path().string());
        ADD_FAILURE() << "a directory loaded";
    } catch (const Error& error) {
        EXPECT_EQ(error.Kind(), ErrorKind::FileError);
        EXPECT_NE(std::string(error.what()).find("not a regular file"), std::string::npos)
            << error.what();
    }
    TempFile empty({});
    EXPECT_KELPIE_ERROR(files.Add(empty.Path), ErrorKind::FileError);
    EXPECT_KELPIE_ERROR(files.AddBytes("empty.ccf", {}), ErrorKind::FileError);
    EXPECT_TRUE(log.Texts.empty());
}

TEST_F(CCFsTest, UnreadableFileIsAFileError) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root from reading";
    TempFile file(header.Bytes());
    std::filesystem::permissions(file.Path, std::filesystem::perms::none);
    EXPECT_KELPIE_ERROR(files.Add(file.Path), ErrorKind::FileError);
}

TEST_F(CCFsTest, OneByteFileLoadsWithANoticePerMissingHeaderByte) {
    TempFile file({0x00});
    CCF& ccf = files.Add(file.Path);
    EXPECT_EQ(ccf.CCFfile().FileName(), file.Path);
    EXPECT_EQ(log.Texts, OutsideReads(1, 75)) << "Version2 reads 0: the 76-byte colour header";
    EXPECT_EQ(ccf.CCFfile().FileSize(), 1);
}

TEST_F(CCFsTest, HeaderCutShortReadsTheRestAsZero) {
    std::vector<std::uint8_t> bytes = header.Bytes();
    bytes.resize(40); // ends after the version words
    CCF& ccf = files.AddBytes("short.ccf", bytes);
    EXPECT_EQ(log.Texts, OutsideReads(40, 73));
    EXPECT_EQ(ccf.FileFormat(), fmtv2);
}

} // namespace
