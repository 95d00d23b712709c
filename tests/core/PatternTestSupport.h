// What the pattern tests share: golden texts under tests/data/patterns, and a run's files held
// in memory.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/FileBatch.h"
#include "patterns/PatternRun.h"

namespace merrowin::test {

// One named section of a golden file.
inline std::string Section(const std::string& title, const std::string& text) {
    return "== " + title + "\r\n" + text;
}

// A run in a folder that is never touched: default scales, a fixed date, no font.
inline PatternRun TestRun(const PatternOptions& options = {}) {
    PatternRun run;
    run.Folder = "/nonexistent/work";
    run.ExportFolder = "/nonexistent/export";
    run.Date = "01-02-2027";
    run.Options = options;
    return run;
}

} // namespace merrowin::test
