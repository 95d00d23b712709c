// Tests of the atomic replacement keeping what the user had: modes and owners, symbolic links,
// the spelling of an existing name, read-only files and folders, and the temporaries it leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "io/AtomicWrite.h"
#include "model/HullFile.h"

namespace merrowin {
namespace {

using test::ReadRaw;
using test::WriteRaw;

unsigned ModeOf(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0u;
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool IsRoot() {
    return ::geteuid() == 0;
}

TEST(AtomicWrite, KeepsTheModeOfTheFileItReplaces) {
    for (const unsigned mode : {0600u, 0640u, 0664u, 0604u, 0755u}) {
        SCOPED_TRACE(mode);
        test::TempFolder folder;
        WriteRaw(folder.Path() / "boat.hul", "old\r\n");
        ASSERT_EQ(::chmod((folder.Path() / "boat.hul").c_str(), mode), 0);
        ASSERT_TRUE(WriteFileAtomic(folder.Path(), "boat.hul", "new\r\n").Ok());
        EXPECT_EQ(ReadRaw(folder.Path() / "boat.hul"), "new\r\n");
        EXPECT_EQ(ModeOf(folder.Path() / "boat.hul"), mode);
    }
    // A new file gets the usual mode less the user's mask.
    for (const unsigned mask : {022u, 027u, 077u}) {
        test::TempFolder folder;
        const mode_t before = ::umask(mask);
        const bool written = WriteFileAtomic(folder.Path(), "new.hul", "x\r\n").Ok();
        ::umask(before);
        ASSERT_TRUE(written);
        EXPECT_EQ(ModeOf(folder.Path() / "new.hul"), 0666u & ~mask) << "mask " << mask;
    }
}

TEST(AtomicWrite, KeepsTheOwnerWherePermitted) {
    if (!IsRoot()) {
        GTEST_SKIP() << "only the superuser can give a file to another user";
    }
    test::TempFolder folder;
    const fs::path file = folder.Path() / "boat.hul";
    WriteRaw(file, "old\r\n");
    ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), "boat.hul", "new\r\n").Ok());
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
}

TEST(AtomicWrite, WritesThroughSymbolicLinksAndKeepsThem) {
    test::TempFolder folder;
    const fs::path& top = folder.Path();
    fs::create_directory(top / "boats");
    const fs::path real = top / "boats" / "real.hul";
    WriteRaw(real, "old\r\n");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    fs::create_symlink("boats/real.hul", top / "link.hul");
    fs::create_symlink("link.hul", top / "chain.hul");
    fs::create_symlink(real, top / "absolute.hul");
    fs::create_symlink("boats/later.hul", top / "dangling.hul");
    fs::create_symlink("loop2.hul", top / "loop1.hul");
    fs::create_symlink("loop1.hul", top / "loop2.hul");

    struct Case {
        const char* Name;
        const char* Content;
        fs::path Written;
    };
    const Case cases[] = {
        {"chain.hul", "by chain\r\n", real},
        {"absolute.hul", "by absolute link\r\n", real},
        {"LINK.HUL", "by the link's name in other case\r\n", real},
        {"dangling.hul", "new file\r\n", top / "boats" / "later.hul"},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.Name);
        ASSERT_TRUE(WriteFileAtomic(top, one.Name, one.Content).Ok());
        EXPECT_EQ(ReadRaw(one.Written), one.Content);
    }
    EXPECT_EQ(ModeOf(real), 0640u);
    // The links are as they were, and nothing else appeared on either side.
    EXPECT_EQ(fs::read_symlink(top / "link.hul"), "boats/real.hul");
    EXPECT_EQ(fs::read_symlink(top / "chain.hul"), "link.hul");
    EXPECT_EQ(fs::read_symlink(top / "dangling.hul"), "boats/later.hul");
    EXPECT_EQ(Names(top / "boats"), (std::vector<std::string>{"later.hul", "real.hul"}));

    // A chain of links that never ends is no file: refused, the links left alone.
    EXPECT_TRUE(WriteFileAtomic(top, "loop1.hul", "x").HasFailed());
    EXPECT_EQ(fs::read_symlink(top / "loop1.hul"), "loop2.hul");
    EXPECT_EQ(Names(top),
              (std::vector<std::string>{"absolute.hul", "boats", "chain.hul", "dangling.hul",
                                        "link.hul", "loop1.hul", "loop2.hul"}));
}

TEST(AtomicWrite, SavesUnderTheSpellingOfTheFileAlreadyThere) {
    struct Case {
        std::vector<std::string> Existing;
        const char* Saved;
        std::vector<std::string> After;
        const char* Written;
    };
    const Case cases[] = {
        {{"a.hul"}, "A.HUL", {"a.hul"}, "a.hul"},
        {{"Boat.Hul"}, "boat.hul", {"Boat.Hul"}, "Boat.Hul"},
        {{"A.HUL", "a.hul"}, "A.HUL", {"A.HUL", "a.hul"}, "A.HUL"}, // the exact name first
        {{"b.hul"}, "A.HUL", {"A.HUL", "b.hul"}, "A.HUL"},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.Saved);
        test::TempFolder folder;
        for (const std::string& name : one.Existing) {
            WriteRaw(folder.Path() / name, "old\r\n");
        }
        ASSERT_TRUE(WriteFileAtomic(folder.Path(), one.Saved, "new\r\n").Ok());
        EXPECT_EQ(Names(folder.Path()), one.After);
        EXPECT_EQ(ReadRaw(folder.Path() / one.Written), "new\r\n");
    }
}

TEST(AtomicWrite, RefusesAFileTheUserMayNotReplace) {
    struct Case {
        const char* What;
        unsigned FileMode;   // 0: no file yet
        unsigned FolderMode; // the folder holding it
        bool OthersOwn;      // the file and the folder belong to another user (needs root)
        bool Refused;
    };
    const Case cases[] = {
        {"a read-only file", 0444, 0755, false, true},
        {"a file only its owner may read", 0400, 0755, false, true},
        {"a file in a read-only folder", 0644, 0555, false, true},
        {"a new file in a read-only folder", 0, 0555, false, true},
        {"another's file in another's sticky folder", 0666, 01777, true, true},
        {"one's own file in a sticky folder", 0644, 01777, false, false},
    };
    const HullDocument hull = test::StartupApp().Hull;
    for (const Case& one : cases) {
        SCOPED_TRACE(one.What);
        if (one.OthersOwn && !IsRoot()) {
            continue; // only the superuser can make a file and a folder another's
        }
        test::TempFolder root;
        const fs::path folder = root.Path() / "boats";
        const fs::path file = folder / "boat.hul";
        fs::create_directory(folder);
        if (one.FileMode != 0) {
            WriteRaw(file, "old\r\n");
            ASSERT_EQ(::chmod(file.c_str(), one.FileMode), 0);
        }
        if (one.OthersOwn) {
            ASSERT_EQ(::chown(file.c_str(), 65534, 65534), 0);
            ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
        }
        ASSERT_EQ(::chmod(folder.c_str(), one.FolderMode), 0);

        const Outcome saved = WriteHullFile(folder, "boat.hul", hull);
        const auto names = Names(folder);
        const std::string content = one.FileMode != 0 ? ReadRaw(file) : "";
        const unsigned mode = ModeOf(file);
        ::chmod(folder.c_str(), 0755); // so the folder can be removed
        if (one.Refused) {
            EXPECT_EQ(saved.Text(), "Could not save boat.hul");
            EXPECT_EQ(content, one.FileMode != 0 ? "old\r\n" : "");
            EXPECT_EQ(mode, one.FileMode);
            EXPECT_EQ(names.size(), one.FileMode != 0 ? 1u : 0u) << "nothing else is written";
        } else {
            EXPECT_TRUE(saved.Ok());
            EXPECT_EQ(content, HullFileText(hull));
            EXPECT_EQ(names, std::vector<std::string>{"boat.hul"});
        }
    }
}

// A temporary planted as a killed or a running save would leave it.
struct Planted {
    const char* Name;
    int AgeSeconds;
    bool Locked;        // a save of another program is still writing it
    bool KeptBySave;    // by a save of "boat.hul"
    bool KeptAtStartUp; // by RemoveStaleTemporaries
};

const Planted PlantedFiles[] = {
    {".boat.hul.merrowin-tmp.0123abcd", 0, false, false, true},
    {".boat.hul.merrowin-tmp.89abcdef", 0, true, true, true},
    {".boat.hul.merrowin-tmp.00000000", 120, true, true, true},
    {".boat.hul.merrowin-tmp.11111111", 120, false, false, false},
    {".other.hul.merrowin-tmp.0123abcd", 0, false, true, true},
    {".other.hul.merrowin-tmp.fedcba98", 120, false, false, false},
    // Not a temporary of the program's form: never touched.
    {".boat.hul.merrowin-tmp.0123ABCD", 120, false, true, true},
    {".boat.hul.merrowin-tmp.txt", 120, false, true, true},
    {"boat.hul.tmp1234-567", 120, false, true, true},
    {".merrowin-tmp.01234567", 120, false, true, true},
    {".notes", 120, false, true, true},
};

// Plants the files in the folder; returns the descriptors holding the locks.
std::vector<int> Plant(const fs::path& folder) {
    std::vector<int> locks;
    for (const Planted& one : PlantedFiles) {
        const fs::path path = folder / one.Name;
        WriteRaw(path, "part of a hull\r\n");
        fs::last_write_time(path, fs::file_time_type::clock::now() -
                                      std::chrono::seconds(one.AgeSeconds));
        if (one.Locked) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
            locks.push_back(fd);
        }
    }
    // Named like temporaries but no files: a folder and a link, both old.
    fs::create_directory(folder / ".dir.hul.merrowin-tmp.01234567");
    fs::create_symlink("boat.hul", folder / ".link.hul.merrowin-tmp.01234567");
    return locks;
}

void ExpectKept(const fs::path& folder, bool Planted::*kept) {
    for (const Planted& one : PlantedFiles) {
        EXPECT_EQ(fs::exists(fs::symlink_status(folder / one.Name)), one.*kept) << one.Name;
    }
    EXPECT_TRUE(fs::is_directory(folder / ".dir.hul.merrowin-tmp.01234567"));
    EXPECT_TRUE(fs::is_symlink(folder / ".link.hul.merrowin-tmp.01234567"));
}

TEST(AtomicWrite, ASaveRemovesItsOwnUnusedTemporariesAndStaleOnes) {
    test::TempFolder folder;
    WriteRaw(folder.Path() / "boat.hul", "old\r\n");
    const std::vector<int> locks = Plant(folder.Path());
    EXPECT_TRUE(WriteFileAtomic(folder.Path(), "boat.hul", "new\r\n").Ok());
    ExpectKept(folder.Path(), &Planted::KeptBySave);
    EXPECT_EQ(ReadRaw(folder.Path() / "boat.hul"), "new\r\n");
    for (const int fd : locks) {
        ::close(fd);
    }
}

TEST(AtomicWrite, StartUpRemovesStaleTemporariesNoSaveIsUsing) {
    test::TempFolder folder;
    const std::vector<int> locks = Plant(folder.Path());
    EXPECT_EQ(RemoveStaleTemporaries(folder.Path()), 2);
    ExpectKept(folder.Path(), &Planted::KeptAtStartUp);
    for (const int fd : locks) {
        ::close(fd);
    }
    EXPECT_EQ(RemoveStaleTemporaries(folder.Path() / "missing"), 0);
}

TEST(AtomicWrite, SavesAFileWhoseNameIsAsLongAsTheSystemAllows) {
    test::TempFolder folder;
    const std::string name = std::string(251, 'n') + ".hul";
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), name, "first\r\n").Ok());
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), name, "second\r\n").Ok());
    EXPECT_EQ(ReadRaw(folder.Path() / name), "second\r\n");
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{name});
}

} // namespace
} // namespace merrowin
