// Scarf joint placement: the fewest joints, kept off the bulkheads where the panel allows it.
#include "patterns/ScarfJoints.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace merrowin {

namespace {

// A panel length within this of the piece limit still counts as fitting (inches).
constexpr double Slack = 1e-9;

// More joints than the fewest tried before giving up on clear places.
constexpr int ExtraJointsTried = 3;

// Most joints ever planned: a 10000 ft panel, far beyond any boat.
constexpr double MaxJoints = 1250;

// The closed intervals of [0, length] at least `clearance` from every stretch, in order.
std::vector<Stretch> AllowedPlaces(double length, const std::vector<Stretch>& keepClear,
                                   double clearance) {
    std::vector<Stretch> banned;
    for (const Stretch& s : keepClear) {
        banned.push_back({std::min(s.From, s.To) - clearance, std::max(s.From, s.To) + clearance});
    }
    std::sort(banned.begin(), banned.end(),
              [](const Stretch& a, const Stretch& b) { return a.From < b.From; });
    std::vector<Stretch> allowed;
    double start = 0;
    for (const Stretch& b : banned) {
        if (b.From > start) {
            allowed.push_back({start, std::min(b.From, length)});
        }
        start = std::max(start, b.To);
        if (start >= length) {
            break;
        }
    }
    if (start <= length) {
        allowed.push_back({start, length});
    }
    return allowed;
}

// The allowed place within [lo, hi] nearest to target; NaN when there is none.
double NearestAllowed(const std::vector<Stretch>& allowed, double lo, double hi, double target) {
    double best = std::numeric_limits<double>::quiet_NaN();
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const Stretch& a : allowed) {
        const double from = std::max(a.From, lo), to = std::min(a.To, hi);
        if (from > to) {
            continue;
        }
        const double place = std::clamp(target, from, to);
        if (std::fabs(place - target) < bestDistance) {
            bestDistance = std::fabs(place - target);
            best = place;
        }
    }
    return best;
}

// The smallest allowed place at or after `from`; NaN when there is none.
double FirstAllowedFrom(const std::vector<Stretch>& allowed, double from) {
    for (const Stretch& a : allowed) {
        if (a.To >= from) {
            return std::max(a.From, from);
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// `count` joints on allowed places, or nothing when they cannot all be had. Working back from
// the aft end, earliest[i] is the first allowed place from which the joints after it can still
// reach the end; going forward, each joint takes the allowed place nearest an even division of
// what is left, no earlier than that and no further than one piece from the joint before.
std::vector<double> PlaceJoints(double length, const std::vector<Stretch>& allowed, int count,
                                double maxPiece) {
    const auto n = static_cast<std::size_t>(count);
    std::vector<double> earliest(n + 1, length);
    for (std::size_t i = n; i-- > 0;) {
        earliest[i] = FirstAllowedFrom(allowed, std::max(0.0, earliest[i + 1] - maxPiece));
        if (std::isnan(earliest[i])) {
            return {};
        }
    }
    std::vector<double> joints;
    double previous = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double left = static_cast<double>(n - i) + 1; // pieces still to make
        const double target = previous + (length - previous) / left;
        const double place = NearestAllowed(allowed, std::max(earliest[i], previous),
                                            std::min(previous + maxPiece, length), target);
        if (std::isnan(place) || place <= previous) {
            return {};
        }
        joints.push_back(place);
        previous = place;
    }
    return joints;
}

} // namespace

double ClearanceAt(double at, const std::vector<Stretch>& stretches, int* nearest) {
    double best = std::numeric_limits<double>::infinity();
    int index = -1;
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const double from = std::min(stretches[i].From, stretches[i].To);
        const double to = std::max(stretches[i].From, stretches[i].To);
        const double distance = at < from ? from - at : (at > to ? at - to : 0.0);
        if (distance < best) {
            best = distance;
            index = static_cast<int>(i);
        }
    }
    if (nearest != nullptr) {
        *nearest = index;
    }
    return index < 0 ? 0.0 : best;
}

ScarfPlan PlanScarfJoints(double length, const std::vector<Stretch>& keepClear, double maxPiece,
                          double clearance) {
    ScarfPlan plan;
    if (!(length > maxPiece + Slack) || !(maxPiece > 0) || !std::isfinite(length) ||
        !std::isfinite(maxPiece)) {
        return plan;
    }
    const double fewest = std::min(std::ceil(length / maxPiece - Slack) - 1, MaxJoints);
    const int count = std::max(1, static_cast<int>(fewest));
    const std::vector<Stretch> allowed =
        AllowedPlaces(length, keepClear, std::isfinite(clearance) ? clearance : 0.0);
    for (int extra = 0; extra <= ExtraJointsTried; ++extra) {
        plan.Joints = PlaceJoints(length, allowed, count + extra, maxPiece);
        if (!plan.Joints.empty()) {
            return plan;
        }
    }
    // Nowhere clear: even pieces, each joint checked on its own.
    plan.Joints.clear();
    for (int i = 1; i <= count; ++i) {
        const double joint = length * i / (count + 1);
        plan.Joints.push_back(joint);
        if (!keepClear.empty() && ClearanceAt(joint, keepClear) < clearance) {
            plan.Clear = false;
        }
    }
    return plan;
}

} // namespace merrowin
