// Tests of file access: look-up without regard to case, line and item splitting, atomic
// replacement and deletion confined to the working folder.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/Files.h"

namespace merrowin {
namespace {

using test::WriteRaw;

TEST(Files, FindsFilesWithoutRegardToCase) {
    test::TempFolder folder;
    WriteRaw(folder.Path() / "chine1.UC", "x");
    ASSERT_TRUE(FileExists(folder.Path(), "chine1.uc"));
    EXPECT_EQ(FindFile(folder.Path(), "CHINE1.uc")->filename(), "chine1.UC");
    EXPECT_FALSE(FileExists(folder.Path(), "chine2.uc"));
    EXPECT_FALSE(FileExists(folder.Path(), ""));
    fs::create_directory(folder.Path() / "keel.uc");
    EXPECT_FALSE(FileExists(folder.Path(), "keel.uc")) << "a folder is not a file";
}

TEST(Files, SplitsLinesAtEveryKindOfLineEndAndItemsAtCommasToo) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitItems(" 500 , -250\r\n"), (std::vector<std::string>{"500", "-250"}));
    EXPECT_EQ(SplitItems("7"), (std::vector<std::string>{"7"}));
    EXPECT_EQ(SplitItems("1\r\n2\r\n\"C:\\a, b\"\r\n"),
              (std::vector<std::string>{"1", "2", "C:\\a, b"}));
}

TEST(Files, ReplacesAtomicallyAndKeepsTheOldFileOnFailure) {
    test::TempFolder folder;
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), "boat.hul", "first\r\n").Ok());
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), "boat.hul", "second\r\n").Ok());
    EXPECT_EQ(*ReadFileBytes(folder.Path(), "boat.hul"), "second\r\n");

    // A target that is a folder cannot be replaced: reported, nothing else touched.
    fs::create_directory(folder.Path() / "dir.hul");
    EXPECT_TRUE(WriteFileAtomic(folder.Path(), "dir.hul", "x").HasFailed());
    // A folder that does not exist: reported, no stray files anywhere.
    EXPECT_TRUE(WriteFileAtomic(folder.Path() / "missing", "boat.hul", "x").HasFailed());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2)
        << "no temporary file may be left behind";
}

TEST(Files, OverwritesInPlaceCutToTheNewLengthAndCopies) {
    test::TempFolder folder;
    ASSERT_TRUE(WriteFileInPlace(folder.Path(), "bhead1.uc", "a much longer first text\r\n").Ok());
    ASSERT_TRUE(WriteFileInPlace(folder.Path(), "bhead1.uc", "short\r\n").Ok());
    EXPECT_EQ(*ReadFileBytes(folder.Path(), "bhead1.uc"), "short\r\n");
    EXPECT_TRUE(WriteFileInPlace(folder.Path() / "missing", "bhead1.uc", "x").HasFailed());

    WriteRaw(folder.Path() / "boat.hul", "4\r\n");
    EXPECT_TRUE(CopyFileAtomic(folder.Path(), "boat.hul", "default.hul").Ok());
    EXPECT_EQ(*ReadFileBytes(folder.Path(), "default.hul"), "4\r\n");
    EXPECT_TRUE(CopyFileAtomic(folder.Path(), "none.hul", "default.hul").HasFailed());
    EXPECT_EQ(*ReadFileBytes(folder.Path(), "default.hul"), "4\r\n");
}

TEST(Files, WildcardsMatchWithoutRegardToCase) {
    EXPECT_TRUE(WildcardMatch("*.uc", "chine1.UC") && WildcardMatch("frame?.uc", "frame8.uc"));
    EXPECT_FALSE(WildcardMatch("chine*.tri", "keel.tri") || WildcardMatch("*.uc", "bhead1.ucx"));
    // Backtracking stays quick on a long name.
    EXPECT_TRUE(WildcardMatch("*a*a*a*a*b", std::string(200, 'a') + "b"));
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*b", std::string(200, 'a')));
}

TEST(Files, DeletesOnlyMatchingFilesInsideTheFolder) {
    test::TempFolder folder;
    WriteRaw(folder.Path() / "bhead1.uc", "x");
    WriteRaw(folder.Path() / "chine1.UC", "x");
    WriteRaw(folder.Path() / "boat.hul", "x");
    fs::create_directory(folder.Path() / "sub.uc");
    fs::create_directory(folder.Path() / "inner");
    WriteRaw(folder.Path() / "inner" / "keep.uc", "x");

    EXPECT_EQ(DeleteMatching(folder.Path(), "*.uc"), 2);
    EXPECT_TRUE(fs::exists(folder.Path() / "boat.hul"));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "sub.uc"));
    EXPECT_TRUE(fs::exists(folder.Path() / "inner" / "keep.uc"));
    EXPECT_EQ(DeleteMatching(folder.Path(), "handplot.txt"), 0) << "a missing file is no error";
    EXPECT_EQ(DeleteMatching(folder.Path(), "inner/*.uc"), 0) << "never below the folder";
}

TEST(Files, ReadsAreBoundedAndMissingFilesGiveNothing) {
    test::TempFolder folder;
    EXPECT_FALSE(ReadLines(folder.Path(), "none.txt").has_value());
    WriteRaw(folder.Path() / "bin.dat", std::string("a\0b\r\nc", 6));
    const auto lines = ReadLines(folder.Path(), "bin.dat");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), 2u);
    EXPECT_EQ((*lines)[0].size(), 3u);
}

} // namespace
} // namespace merrowin
