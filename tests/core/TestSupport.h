// What the core tests share: raw file access, CR LF text, the started application and window,
// and a decimal-comma locale.
#pragma once

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/AppState.h"
#include "io/Files.h"
#include "views/HeadlessWindow.h"

namespace merrowin::test {

inline void WriteRaw(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadRaw(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines, each ended with CR LF as the program's text files end them.
inline std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Compares an output with its golden file under tests/data byte for byte, naming the first line
// that differs. MERROWIN_UPDATE_GOLDEN=1 writes the golden file instead (review the difference
// before committing it).
inline void ExpectGolden(const std::string& name, const std::string& actual) {
    const fs::path golden = fs::path(MERROWIN_TEST_DATA) / name;
    if (const char* update = std::getenv("MERROWIN_UPDATE_GOLDEN"); update && *update == '1') {
        fs::create_directories(golden.parent_path());
        WriteRaw(golden, actual);
    }
    ASSERT_TRUE(fs::exists(golden)) << "no golden file " << golden;
    const std::string expected = ReadRaw(golden);
    const auto differ =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    EXPECT_TRUE(actual == expected) << "the output differs from " << golden.string() << " at line "
                                    << std::count(actual.begin(), differ.first, '\n') + 1;
}

// How many of the lines are the given one.
inline int CountLines(const std::vector<std::string>& lines, const std::string& wanted) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), wanted));
}

// The application as it starts: the default hull, not yet repainted.
inline AppState StartupApp() {
    AppState app;
    ResetToStartup(app);
    return app;
}

// The application started and repainted once in a headless window that records its drawing,
// with a scratch working folder for the handlers.
class StartedWindow : public ::testing::Test {
protected:
    StartedWindow() {
        ResetToStartup(app);
        window.RepaintWindow();
    }
    AppState app;
    HeadlessWindow window{app, HeadlessWindow::Drawing::Record};
    TempFolder folder;
    UiServices ui = window.Services();
};

// Switches the process to an installed locale that writes decimal commas; the locale to restore
// afterwards, or nothing when no such locale is installed (the locale is then unchanged).
inline std::optional<std::string> UseDecimalCommaLocale() {
    const char* current = std::setlocale(LC_ALL, nullptr);
    const std::string previous = current != nullptr ? current : "C";
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            if (std::localeconv()->decimal_point[0] == ',') {
                return previous;
            }
            std::setlocale(LC_ALL, previous.c_str());
        }
    }
    return std::nullopt;
}

} // namespace merrowin::test
