// Where a run finds the program's own data files: working folder, its install, the source tree.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/DataFiles.h"

namespace merrowin {
namespace {

// The source tree's data folder, beside tests/.
const fs::path SourceData = fs::path(MERROWIN_TEST_DATA).parent_path().parent_path() / "data";

bool Holds(const std::vector<fs::path>& folders, const fs::path& wanted) {
    for (const fs::path& folder : folders) {
        std::error_code error;
        if (fs::equivalent(folder, wanted, error)) {
            return true;
        }
    }
    return false;
}

TEST(DataFiles, InsideFolderComparesWholeNames) {
    struct Case {
        const char* Path;
        const char* Folder;
        bool Inside;
    };
    const Case cases[] = {
        {"/src/build/tests/core/t", "/src/build", true},  {"/src/build/t", "/src/build/", true},
        {"/src/build-asan/tests/t", "/src/build", false}, // a longer name is another folder
        {"/src/build/../bin/t", "/src/build", false},     {"src/build/t", "/src/build", false},
    };
    for (const Case& one : cases) {
        EXPECT_EQ(IsInsideFolder(one.Path, one.Folder), one.Inside)
            << one.Path << " in " << one.Folder;
    }
}

// An install laid out in a temporary prefix that is not the configured one, as DESTDIR or
// `cmake --install --prefix` leaves it: the program must find its data beside itself.
TEST(DataFiles, RelocatedInstallFindsItsOwnDataBeforeAnyOther) {
    test::TempFolder root;
    const fs::path executable = root.Path() / "prefix" / "bin" / "merrowin";
    const fs::path installed = root.Path() / "prefix" / "share" / "merrowin";
    fs::create_directories(installed);
    test::WriteRaw(installed / "PEDIT.FNT", "installed");
    const fs::path work = root.Path() / "work";
    fs::create_directories(work);

    const std::vector<fs::path> folders = DataFolders(executable);
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.front(), installed);
    // An installed program never reaches back into the source tree it was built from.
    EXPECT_FALSE(Holds(folders, SourceData));

    std::optional<fs::path> found = FindDataFile(work, "pedit.fnt", executable);
    ASSERT_TRUE(found);
    EXPECT_EQ(test::ReadRaw(*found), "installed");

    // A user's own copy in the working folder wins.
    test::WriteRaw(work / "pedit.fnt", "mine");
    found = FindDataFile(work, "pedit.fnt", executable);
    ASSERT_TRUE(found);
    EXPECT_EQ(test::ReadRaw(*found), "mine");
}

// The tests run from the build tree, as a developer's build does: the source tree's data is used.
TEST(DataFiles, BuildTreeProgramUsesTheSourceTreesData) {
    const fs::path executable = RunningExecutable();
    ASSERT_TRUE(executable.is_absolute());
    EXPECT_TRUE(Holds(DataFolders(executable), SourceData));

    test::TempFolder work;
    for (const char* name : {"pedit.fnt", "persons.fig"}) {
        const std::optional<fs::path> found = FindDataFile(work.Path(), name);
        ASSERT_TRUE(found) << name;
        EXPECT_TRUE(fs::equivalent(*found, SourceData / name)) << *found;
    }
}

} // namespace
} // namespace merrowin
