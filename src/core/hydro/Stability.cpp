// The righting-arm curve: the hull's closed solid turned, cut by the water level and floated at
// its weight by Brent's method; the criteria read from the points.
#include "hydro/Stability.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "export/HullFaces.h"
#include "model/Constants.h"

namespace merrowin {

namespace {

// Angles in radians by the full value of pi: the heel command's shorter value would put GZ off
// by some 3e-5 of itself, more than the curve is worked to.
constexpr double Radians = std::numbers::pi / 180;

// Brent's method stops when the waterline is known to this many inches, or after this many
// steps (it takes about ten; bisection alone would need about forty).
constexpr double WaterlineTolerance = 1e-9;
constexpr int MaxRootSteps = 100;
// Angles where the deck edge goes under or GZ vanishes are found to this many degrees.
constexpr double AngleTolerance = 1e-7;

struct Point3 {
    double X = 0, Y = 0, Z = 0;
};

// The hull as a closed solid: both skins, the keel strip, the deck, the stem and the transom
// over the 13 points of every chine, numbered as the faces number them (starboard chine by
// chine, then port). Its faces all turn the same way; Sign makes the volume they enclose
// positive.
struct Solid {
    std::vector<Point3> Points;
    std::vector<std::array<int, 3>> Faces;
    std::vector<int> Sheer; // both sheer chines
    double Sign = 1;
    double Volume = 0; // cubic inches
    double MidZ = 0;   // the apex of the volume's tetrahedra lies at this station
};

// A damaged point cannot bring a NaN into the sums: it lies at the origin instead.
double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

void AddFaces(std::vector<std::array<int, 3>>& faces, const std::array<PointTriangle, 2>& pair,
              bool reversed = false) {
    for (const PointTriangle& t : pair) {
        const PointTriangle face = reversed ? Reversed(t) : t;
        faces.push_back({face.A, face.B, face.C});
    }
}

Solid BuildSolid(const HullDocument& hull) {
    Solid solid;
    const int n = ChineCountInRange(hull);
    double lowZ = 0, highZ = 0;
    for (const double side : {1.0, -1.0}) {
        for (int c = 1; c <= n; ++c) {
            for (int p = 1; p <= PointsPerChine; ++p) {
                const auto& s = hull.SplinePoints[c][p];
                const Point3 point{side * Finite(s[AxisX]), Finite(s[AxisY]), Finite(s[AxisZ])};
                if (solid.Points.empty()) {
                    lowZ = highZ = point.Z;
                }
                lowZ = std::min(lowZ, point.Z);
                highZ = std::max(highZ, point.Z);
                if (c == n) {
                    solid.Sheer.push_back(static_cast<int>(solid.Points.size()));
                }
                solid.Points.push_back(point);
            }
        }
    }
    solid.MidZ = (lowZ + highZ) / 2;
    for (const bool port : {false, true}) {
        for (int c = 0; c <= n - 2; ++c) {
            for (int p = 0; p < BaysPerChine; ++p) {
                AddFaces(solid.Faces, SkinBay(n, port, c, p));
            }
        }
    }
    for (int c = 0; c <= n - 2; ++c) {
        AddFaces(solid.Faces, BulkheadBand(n, c, 0), true); // the stem faces forward
        AddFaces(solid.Faces, BulkheadBand(n, c, BulkheadCount - 1));
    }
    for (int p = 0; p < BaysPerChine; ++p) {
        AddFaces(solid.Faces, KeelBay(n, p));
        AddFaces(solid.Faces, DeckBay(n, p));
    }
    return solid;
}

// The solid turned by an angle, starboard down for a positive one: R(-angle) in the section
// plane, X' = X cos + Y sin, Y' = -X sin + Y cos. Stored apart per coordinate, X and Z taken
// from the tetrahedra's apex (0, Z MidZ) so that the sums keep their digits.
struct Turned {
    std::vector<double> X, Y, Z;
    double Lowest = 0, Highest = 0;
};

Turned Turn(const Solid& solid, double radians) {
    Turned turned;
    const double cosine = std::cos(radians), sine = std::sin(radians);
    const std::size_t count = solid.Points.size();
    turned.X.resize(count);
    turned.Y.resize(count);
    turned.Z.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Point3& p = solid.Points[i];
        turned.X[i] = p.X * cosine + p.Y * sine;
        turned.Y[i] = -p.X * sine + p.Y * cosine;
        turned.Z[i] = p.Z - solid.MidZ;
    }
    const auto [low, high] = std::minmax_element(turned.Y.begin(), turned.Y.end());
    turned.Lowest = *low;
    turned.Highest = *high;
    return turned;
}

// Sums over the part of the solid below a water level: six times its volume and, with
// Moments, six times its first moments about the apex, times four. By the divergence theorem
// the solid below the level is the sum of the tetrahedra from an apex on the level to the faces
// cut at the level; the waterplane itself adds nothing, as its tetrahedra have no height.
struct Sums {
    double Volume6 = 0, MomentX = 0, MomentY = 0, MomentZ = 0;
};

struct Corner {
    double X, Y, Z; // Y is the height above the level
};

template <bool Moments>
inline void AddTetrahedron(const Corner& a, const Corner& b, const Corner& c, Sums& sums) {
    const double v = a.X * (b.Y * c.Z - b.Z * c.Y) + a.Y * (b.Z * c.X - b.X * c.Z) +
                     a.Z * (b.X * c.Y - b.Y * c.X);
    sums.Volume6 += v;
    if constexpr (Moments) {
        sums.MomentX += v * (a.X + b.X + c.X);
        sums.MomentY += v * (a.Y + b.Y + c.Y);
        sums.MomentZ += v * (a.Z + b.Z + c.Z);
    }
}

template <bool Moments> Sums SumsBelow(const Solid& solid, const Turned& turned, double level) {
    Sums sums;
    const double* x = turned.X.data();
    const double* y = turned.Y.data();
    const double* z = turned.Z.data();
    for (const auto& face : solid.Faces) {
        const int i = face[0], j = face[1], k = face[2];
        const Corner corners[3] = {
            {x[i], y[i] - level, z[i]}, {x[j], y[j] - level, z[j]}, {x[k], y[k] - level, z[k]}};
        const double d0 = corners[0].Y, d1 = corners[1].Y, d2 = corners[2].Y;
        if (d0 >= 0 && d1 >= 0 && d2 >= 0) {
            continue; // dry
        }
        if (d0 <= 0 && d1 <= 0 && d2 <= 0) {
            AddTetrahedron<Moments>(corners[0], corners[1], corners[2], sums);
            continue;
        }
        // The wet part of a face the level cuts: a triangle or a quadrilateral.
        Corner wet[4];
        int count = 0;
        for (int e = 0; e < 3; ++e) {
            const Corner& a = corners[e];
            const Corner& b = corners[(e + 1) % 3];
            if (a.Y <= 0) {
                wet[count++] = a;
            }
            if ((a.Y < 0 && b.Y > 0) || (a.Y > 0 && b.Y < 0)) {
                const double t = a.Y / (a.Y - b.Y);
                wet[count++] = {a.X + t * (b.X - a.X), 0, a.Z + t * (b.Z - a.Z)};
            }
        }
        for (int q = 1; q + 1 < count; ++q) {
            AddTetrahedron<Moments>(wet[0], wet[q], wet[q + 1], sums);
        }
    }
    sums.Volume6 *= solid.Sign;
    sums.MomentX *= solid.Sign;
    sums.MomentY *= solid.Sign;
    sums.MomentZ *= solid.Sign;
    return sums;
}

double VolumeBelow(const Solid& solid, const Turned& turned, double level) {
    return SumsBelow<false>(solid, turned, level).Volume6 / 6;
}

// Brent's method for a root of f between a and b, where f(a) and f(b) differ in sign (or one is
// 0): inverse quadratic interpolation and the secant where they make progress, bisection where
// they do not (R. P. Brent, Algorithms for Minimization without Derivatives, 1973, ch. 4).
template <typename F>
double BrentRoot(F f, double a, double b, double fa, double fb, double tolerance) {
    double c = b, fc = fb, d = b - a, e = d;
    for (int step = 0; step < MaxRootSteps; ++step) {
        if ((fb > 0 && fc > 0) || (fb < 0 && fc < 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::abs(fc) < std::abs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * std::numeric_limits<double>::epsilon() * std::abs(b) + tolerance / 2;
        const double half = (c - b) / 2;
        if (std::abs(half) <= tol || fb == 0) {
            return b;
        }
        if (std::abs(e) >= tol && std::abs(fa) > std::abs(fb)) {
            const double s = fb / fa;
            double p = 0, q = 0;
            if (a == c) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double r = fb / fc;
                q = fa / fc;
                p = s * (2 * half * q * (q - r) - (b - a) * (r - 1));
                q = (q - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) {
                q = -q;
            }
            p = std::abs(p);
            if (2 * p < std::min(3 * half * q - std::abs(tol * q), std::abs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::abs(d) > tol ? d : (half > 0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

// The curve's work: the solid, the weight it floats at, and every angle measured so far, so
// that the criteria reuse the points of the curve.
class Heeling {
public:
    Heeling(const HullDocument& hull, double displacement, const CenterOfGravity& gravity,
            double density)
        : solid_(BuildSolid(hull)), displacement_(displacement), gravity_(gravity),
          density_(density) {
        const bool usable = std::isfinite(displacement) && displacement > 0 &&
                            std::isfinite(density) && density > 0 && std::isfinite(gravity.Y) &&
                            std::isfinite(gravity.Z);
        const Turned upright = Turn(solid_, 0);
        const double full = VolumeBelow(solid_, upright, upright.Highest + 1);
        if (full < 0) {
            solid_.Sign = -1;
        }
        solid_.Volume = std::abs(full);
        usable_ = usable && solid_.Volume > 0 && std::isfinite(solid_.Volume);
        if (usable_) {
            target_ = displacement * CubicInchesPerGallon / density;
            tolerance_ =
                std::max(StabilityWeightTolerance, StabilityRelativeTolerance * displacement) *
                CubicInchesPerGallon / density;
        }
    }

    const StabilityPoint& At(double angle) {
        for (const StabilityPoint& known : known_) {
            if (known.Angle == angle) {
                return known;
            }
        }
        known_.push_back(Measure(angle));
        return known_.back();
    }

private:
    StabilityPoint Measure(double angle) const {
        StabilityPoint point;
        point.Angle = angle;
        if (!usable_ || target_ > solid_.Volume + tolerance_) {
            return point; // no volume, or not enough of it to carry the weight
        }
        const double radians = angle * Radians;
        const Turned turned = Turn(solid_, radians);
        const auto excess = [&](double level) {
            return VolumeBelow(solid_, turned, level) - target_;
        };
        double level = turned.Highest;
        if (target_ < solid_.Volume) {
            level = BrentRoot(excess, turned.Lowest, turned.Highest, -target_,
                              solid_.Volume - target_, WaterlineTolerance);
        }
        const Sums sums = SumsBelow<true>(solid_, turned, level);
        const double volume = sums.Volume6 / 6;
        const double displaced = volume * density_ / CubicInchesPerGallon;
        if (!(sums.Volume6 > 0) || !(std::abs(volume - target_) <= tolerance_)) {
            return point;
        }
        const double bx = sums.MomentX / (4 * sums.Volume6);
        const double by = level + sums.MomentY / (4 * sums.Volume6);
        const double bz = solid_.MidZ + sums.MomentZ / (4 * sums.Volume6);
        // The centre of gravity (X 0, Y gravity) turned as the hull is.
        const double gx = gravity_.Y * std::sin(radians);
        double freeboard = turned.Highest - level;
        for (const int s : solid_.Sheer) {
            freeboard = std::min(freeboard, turned.Y[static_cast<std::size_t>(s)] - level);
        }
        const StabilityPoint found{
            angle,     true,      level, bx - gx, displacement_ * (bx - gx) / 12,
            freeboard, displaced, bx,    by,      bz};
        const double values[] = {found.Waterline,       found.RightingArm,    found.RightingMoment,
                                 found.Freeboard,       found.Displaced,      found.CenterBuoyancyX,
                                 found.CenterBuoyancyY, found.CenterBuoyancyZ};
        if (!std::all_of(std::begin(values), std::end(values),
                         [](double v) { return std::isfinite(v); })) {
            return point;
        }
        return found;
    }

    Solid solid_;
    double displacement_, target_ = 0, tolerance_ = 0;
    CenterOfGravity gravity_;
    double density_;
    bool usable_ = false;
    std::vector<StabilityPoint> known_;
};

// The angle between two points where a value of the point crosses zero, found by Brent's method
// on the measured hull; when a measurement there finds no waterline, the straight line between
// the two points gives it.
template <typename Value>
double Crossing(Heeling& heeling, const StabilityPoint& before, const StabilityPoint& after,
                Value value) {
    const double v0 = value(before), v1 = value(after);
    bool measured = true;
    const auto f = [&](double angle) {
        const StabilityPoint& point = heeling.At(angle);
        measured = measured && point.Floated;
        return value(point);
    };
    const double found = BrentRoot(f, before.Angle, after.Angle, v0, v1, AngleTolerance);
    if (measured && std::isfinite(found)) {
        return found;
    }
    const double t = v0 / (v0 - v1);
    return before.Angle + t * (after.Angle - before.Angle);
}

// Simpson's rule over 0..top degrees in StabilityAreaStep steps; inch-radians.
std::optional<double> AreaUnder(Heeling& heeling, int intervals) {
    double sum = 0;
    for (int i = 0; i <= intervals; ++i) {
        const StabilityPoint& point = heeling.At(i * StabilityAreaStep);
        if (!point.Floated) {
            return std::nullopt;
        }
        const double weight = (i == 0 || i == intervals) ? 1 : (i % 2 == 1 ? 4 : 2);
        sum += weight * point.RightingArm;
    }
    return sum * StabilityAreaStep * Radians / 3;
}

void ReadCriteria(Heeling& heeling, StabilityCurve& curve) {
    std::vector<StabilityPoint> sweep;
    for (const StabilityPoint& point : curve.Points) {
        if (point.Floated && point.Angle >= 0) {
            sweep.push_back(point);
        }
    }
    std::sort(sweep.begin(), sweep.end(),
              [](const StabilityPoint& a, const StabilityPoint& b) { return a.Angle < b.Angle; });
    for (const StabilityPoint& point : sweep) {
        if (!curve.MaxRightingArm || point.RightingArm > *curve.MaxRightingArm) {
            curve.MaxRightingArm = point.RightingArm;
            curve.MaxRightingArmAngle = point.Angle;
        }
    }
    const auto arm = [](const StabilityPoint& p) { return p.RightingArm; };
    const auto freeboard = [](const StabilityPoint& p) { return p.Freeboard; };
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const bool under = sweep[i].Freeboard <= 0;
        if (!curve.DeckEdgeAngle && under) {
            curve.DeckEdgeAngle =
                i == 0 ? sweep[i].Angle : Crossing(heeling, sweep[i - 1], sweep[i], freeboard);
        }
        if (!curve.VanishingAngle && i > 0 && sweep[i - 1].RightingArm > 0 &&
            sweep[i].RightingArm <= 0) {
            curve.VanishingAngle = Crossing(heeling, sweep[i - 1], sweep[i], arm);
        }
    }
    const StabilityPoint& slope = heeling.At(StabilitySlopeAngle);
    if (slope.Floated) {
        curve.InitialGM = slope.RightingArm / std::sin(StabilitySlopeAngle * Radians);
    }
    curve.AreaTo30 = AreaUnder(heeling, static_cast<int>(std::lround(30 / StabilityAreaStep)));
    curve.AreaTo40 = AreaUnder(heeling, static_cast<int>(std::lround(40 / StabilityAreaStep)));
}

} // namespace

StabilityCurve ComputeStabilityCurve(const HullDocument& hull, double displacement,
                                     const CenterOfGravity& gravity, double waterDensity,
                                     const std::vector<double>& angles) {
    StabilityCurve curve;
    curve.Displacement = std::isfinite(displacement) ? displacement : 0;
    curve.WaterDensity = std::isfinite(waterDensity) ? waterDensity : 0;
    curve.Gravity = {Finite(gravity.Y), Finite(gravity.Z)};
    Heeling heeling(hull, displacement, gravity, waterDensity);
    for (const double angle : angles) {
        if (std::isfinite(angle) &&
            curve.Points.size() < static_cast<std::size_t>(MaxStabilityAngles)) {
            curve.Points.push_back(heeling.At(angle));
        }
    }
    curve.AllFloated = std::all_of(curve.Points.begin(), curve.Points.end(),
                                   [](const StabilityPoint& p) { return p.Floated; });
    ReadCriteria(heeling, curve);
    return curve;
}

std::vector<double> StabilityAngles(double to, double step) {
    if (!(step > 0) || !(to > 0) || !(to <= 180) || !std::isfinite(step)) {
        return {};
    }
    const double steps = std::ceil(to / step - 1e-9);
    if (!(steps + 1 <= MaxStabilityAngles)) {
        return {};
    }
    std::vector<double> angles;
    const int count = static_cast<int>(steps);
    for (int i = 0; i < count; ++i) {
        angles.push_back(i * step);
    }
    angles.push_back(to);
    return angles;
}

double SolidDisplacement(const HullDocument& hull, double waterline, double waterDensity) {
    if (!std::isfinite(waterline) || !std::isfinite(waterDensity)) {
        return 0;
    }
    const Solid solid = BuildSolid(hull);
    const Turned upright = Turn(solid, 0);
    const double full = VolumeBelow(solid, upright, upright.Highest + 1);
    const double volume = VolumeBelow(solid, upright, waterline) * (full < 0 ? -1 : 1);
    const double pounds = volume * waterDensity / CubicInchesPerGallon;
    return std::isfinite(pounds) && pounds > 0 ? pounds : 0;
}

} // namespace merrowin
