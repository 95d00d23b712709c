// merrowin_save_loop FOLDER NAME: saves the two crash-test hulls in turn to one hull file until
// it is killed. After its first complete save it writes one byte to its standard output, so the
// test that kills it knows it is saving. Ends when a save fails or after a bounded number.
#include <cstdio>
#include <filesystem>

#include "CrashHulls.h"
#include "model/HullFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: merrowin_save_loop FOLDER NAME\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const auto hulls = merrowin::test::CrashHulls();
    constexpr int MaxSaves = 100000;
    for (int save = 0; save < MaxSaves; ++save) {
        // Starts with the large hull: the test writes the small one first.
        if (merrowin::WriteHullFile(folder, argv[2], hulls[(save + 1) % 2]).HasFailed()) {
            return 1;
        }
        if (save == 0 && (std::fputc('s', stdout) == EOF || std::fflush(stdout) != 0)) {
            return 1;
        }
    }
    return 0;
}
