// Tests of scarf joint placement: the fewest joints, pieces no longer than a sheet takes, and
// joints off the bulkheads wherever the panel leaves room.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "patterns/ScarfJoints.h"

namespace merrowin {
namespace {

TEST(ScarfJoints, FewestJointsKeptClearWherePossible) {
    struct Case {
        double Length;
        std::vector<Stretch> Bulkheads;
        double MaxPiece;
        std::size_t Joints;
        bool Clear;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {90, {{30, 31}}, 96, 0, true},
        {96, {}, 96, 0, true},             // exactly a sheet long
        {200, {{99, 101}}, 96, 2, true},   // three pieces
        {190, {{95, 95}}, 96, 2, true},    // one joint would have to be near 95
        {150, {{80, 70}}, 96, 1, true},    // a rung given aft end first
        {150, {{-10, 160}}, 96, 1, false}, // no clear place anywhere
        {130, {{40, 40}, {60, 60}, {85, 85}}, 48, 2, true},
        {inf, {}, 96, 0, true},
        {100, {}, 0, 0, true},
    };
    for (const Case& c : cases) {
        const ScarfPlan plan = PlanScarfJoints(c.Length, c.Bulkheads, c.MaxPiece, 6);
        ASSERT_EQ(plan.Joints.size(), c.Joints) << c.Length;
        EXPECT_EQ(plan.Clear, c.Clear) << c.Length;
        if (plan.Joints.empty()) {
            continue;
        }
        double from = 0;
        for (std::size_t i = 0; i <= plan.Joints.size(); ++i) {
            const double to = i < plan.Joints.size() ? plan.Joints[i] : c.Length;
            EXPECT_GT(to, from) << c.Length;
            EXPECT_LE(to - from, c.MaxPiece + 1e-9) << c.Length;
            if (i < plan.Joints.size() && c.Clear) {
                EXPECT_GE(ClearanceAt(to, c.Bulkheads), 6 - 1e-9) << c.Length;
            }
            from = to;
        }
    }
}

} // namespace
} // namespace merrowin
