// Long expected texts kept as golden files under tests/data; MERROWIN_UPDATE_GOLDEN=1 rewrites
// them from the actual text (review the difference before committing).
#pragma once

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace merrowin::test {

inline void ExpectGolden(const std::string& name, const std::string& actual) {
    const fs::path path = fs::path(MERROWIN_TEST_DATA) / name;
    if (const char* update = std::getenv("MERROWIN_UPDATE_GOLDEN"); update && *update == '1') {
        fs::create_directories(path.parent_path());
        WriteRaw(path, actual);
    }
    ASSERT_TRUE(fs::exists(path)) << "no golden file " << path;
    EXPECT_EQ(actual, ReadRaw(path)) << "differs from " << path;
}

} // namespace merrowin::test
