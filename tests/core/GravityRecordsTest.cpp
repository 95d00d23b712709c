// Tests of the designer's centre of gravity in the hull file: absent, the file is byte for byte
// the layout's; given, two records follow the last one and read back; damaged, they are ignored.
#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "TestSupport.h"
#include "app/AppState.h"
#include "model/GravityRecords.h"
#include "model/HullFile.h"

namespace merrowin {
namespace {

class GravityRecordsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetToStartup(app_); }
    // Reads `bytes` as a hull file into app_.
    void ReadBytes(const std::string& bytes) {
        test::WriteRaw(folder_ / "in.hul", bytes);
        ASSERT_TRUE(ReadHullFile(folder_, "in.hul", app_.Hull, app_.Work));
    }
    test::TempFolder scratch_;
    const fs::path& folder_ = scratch_.Path();
    AppState app_;
};

TEST_F(GravityRecordsTest, HullWithoutOneIsWrittenAsTheLayoutAndWithOneGainsTwoRecords) {
    // (Files without a decimal comma: reading repairs those.)
    for (const char* name : {"chines30.hul", "cli/hydro/default.hul"}) {
        const std::string original = test::ReadRaw(fs::path(MERROWIN_TEST_DATA) / name);
        ReadBytes(original);
        EXPECT_FALSE(app_.Hull.DesignCenterOfGravity) << name;
        EXPECT_EQ(HullFileText(app_.Hull), original) << name;

        app_.Hull.DesignCenterOfGravity = CenterOfGravity{11.25, -3.5};
        ASSERT_FALSE(WriteHullFile(folder_, "out.hul", app_.Hull).HasFailed());
        const std::string written = test::ReadRaw(folder_ / "out.hul");
        EXPECT_EQ(written, original + " 11.25 \r\n-3.5 \r\n") << name;

        // Read back, and then a file without one clears it: it never passes to the next hull.
        app_.Hull.DesignCenterOfGravity.reset();
        ReadBytes(written);
        ASSERT_TRUE(app_.Hull.DesignCenterOfGravity) << name;
        EXPECT_EQ(app_.Hull.DesignCenterOfGravity->Y, 11.25);
        EXPECT_EQ(app_.Hull.DesignCenterOfGravity->Z, -3.5);
        ReadBytes(original);
        EXPECT_FALSE(app_.Hull.DesignCenterOfGravity) << name;
    }
}

TEST_F(GravityRecordsTest, OnlyTwoNumbersMakeACentreOfGravity) {
    struct Case {
        std::optional<std::string_view> Height, Station;
        bool Read;
    };
    const Case cases[] = {
        {"12", "40", true},   {" -1.5", ".5", true},
        {"+3", "7E1", true},  {"12", std::nullopt, false}, // cut short after the height
        {"", "40", false},    {"12", "", false},
        {"abc", "40", false}, {"12", "-", false},
    };
    for (const Case& c : cases) {
        const std::optional<CenterOfGravity> read = ReadGravityRecords(c.Height, c.Station);
        EXPECT_EQ(read.has_value(), c.Read) << (c.Height ? *c.Height : "none");
    }
    EXPECT_EQ(ReadGravityRecords("7E1", "2")->Y, 70);
}

} // namespace
} // namespace merrowin
