// A save killed at any moment leaves the hull file whole: a helper program saves two hulls in
// turn and is killed at random moments, and the file must always be one of the two complete
// files with its mode kept, with at most one temporary left, which the next save removes.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "../tools/CrashHulls.h"
#include "TestSupport.h"
#include "model/HullFile.h"

extern char** environ;

namespace merrowin {
namespace {

// The save loop (tests/tools/SaveLoop.cpp), its standard output on a pipe.
class SaveLoop {
public:
    SaveLoop(const fs::path& folder, const std::string& name) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        std::string program = MERROWIN_SAVE_LOOP;
        std::string folderText = folder.string();
        std::string nameText = name;
        char* argv[] = {program.data(), folderText.data(), nameText.data(), nullptr};
        if (::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0) {
            pid_ = -1;
        }
        ::posix_spawn_file_actions_destroy(&actions);
        ::close(ends[1]);
        output_ = ends[0];
    }
    ~SaveLoop() {
        Kill();
        if (output_ >= 0) {
            ::close(output_);
        }
    }
    SaveLoop(const SaveLoop&) = delete;
    SaveLoop& operator=(const SaveLoop&) = delete;

    // Waits until the loop has finished its first save (at most 30 s, for a loaded machine).
    bool Saving() {
        pollfd ready{output_, POLLIN, 0};
        char byte = 0;
        return pid_ > 0 && ::poll(&ready, 1, 30000) == 1 && ::read(output_, &byte, 1) == 1;
    }
    void Kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

std::vector<std::string> EntriesBesides(const fs::path& folder, const std::string& name) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename() != name) {
            entries.push_back(entry.path().filename().string());
        }
    }
    return entries;
}

TEST(CrashSafety, AKilledSaveLeavesTheOldOrTheNewFileWholeAndTheNextSaveClearsUp) {
    constexpr int Kills = 200;
    test::TempFolder folder;
    const fs::path file = folder.Path() / "default.hul";
    const auto hulls = test::CrashHulls();
    const std::string texts[2] = {HullFileText(hulls[0]), HullFileText(hulls[1])};
    ASSERT_TRUE(WriteHullFile(folder.Path(), "default.hul", hulls[0]).Ok());
    fs::permissions(file, fs::perms(0640));
    const std::regex temporary(R"(\.default\.hul\.merrowin-tmp\.[0-9a-f]{8})");

    const unsigned seed = std::random_device()();
    SCOPED_TRACE("random seed " + std::to_string(seed));
    std::mt19937 random(seed);
    // A save takes a few milliseconds, most of them flushing: the kills fall on every step.
    std::uniform_int_distribution<int> delay(0, 20000);
    int leftovers = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        {
            SaveLoop loop(folder.Path(), "default.hul");
            ASSERT_TRUE(loop.Saving()) << "the save loop did not save, kill " << kill;
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            loop.Kill();
        }
        const std::string content = test::ReadRaw(file);
        ASSERT_TRUE(content == texts[0] || content == texts[1])
            << "kill " << kill << " left a file of " << content.size() << " bytes";
        ASSERT_EQ(fs::status(file).permissions(), fs::perms(0640)) << "kill " << kill;
        const auto others = EntriesBesides(folder.Path(), "default.hul");
        ASSERT_LE(others.size(), 1u) << "kill " << kill;
        for (const std::string& name : others) {
            ASSERT_TRUE(std::regex_match(name, temporary)) << name;
        }
        leftovers += static_cast<int>(others.size());

        ASSERT_TRUE(WriteHullFile(folder.Path(), "default.hul", hulls[kill % 2]).Ok());
        ASSERT_TRUE(EntriesBesides(folder.Path(), "default.hul").empty())
            << "the save after kill " << kill << " left a temporary";
    }
    RecordProperty("TemporariesLeftByKills", leftovers);
}

} // namespace
} // namespace merrowin
