// The hull file (.hul): writing the fixed record layout and reading it back, current or older.
#include "model/HullFile.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <system_error>

#include "model/GravityRecords.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// Text written as one line of the file: a CR or LF inside it would split the line and shift
// every record after it, so each becomes a blank.
std::string SingleLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char ch) { return ch == '\r' || ch == '\n'; }, ' ');
    return line;
}

// The lines of the file in order, taken one at a time from its text (lines end at LF, CR LF or a
// lone CR), so an enormous file is never held twice. A read past the last line yields nothing,
// which leaves the value it was meant for unchanged.
class LineCursor {
public:
    explicit LineCursor(std::string text) : text_(std::move(text)) {}

    std::optional<std::string_view> Next() {
        if (next_ >= text_.size()) {
            return std::nullopt;
        }
        const std::string_view rest = std::string_view(text_).substr(next_);
        const std::size_t end = rest.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            next_ = text_.size();
            return TrimBlanks(rest);
        }
        next_ += end + 1;
        if (rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n') {
            ++next_;
        }
        return TrimBlanks(rest.substr(0, end));
    }
    // Reads a number into the target; false (target unchanged) when the file has ended.
    bool Number(double& target) {
        const auto line = Next();
        if (!line) {
            return false;
        }
        target = Val(*line);
        return true;
    }
    bool Text(std::string& target) {
        const auto line = Next();
        if (!line) {
            return false;
        }
        target = std::string(*line);
        return true;
    }
    // The file has ended: nothing but line ends and blanks is left (a trailing empty line after
    // the last record does not make an older file look like the current layout).
    bool AtEnd() const {
        return std::string_view(text_).substr(next_).find_first_not_of(" \t\r\n") ==
               std::string_view::npos;
    }

private:
    std::string text_;
    std::size_t next_ = 0;
};

// Turns every comma of the file into a point, in the file on disk as well (files written under a
// decimal-comma locale). The file is rewritten atomically and only when it holds a comma: without
// one the content would not change. A file larger than a reader takes in is never rewritten, as
// the rewrite would cut it short.
std::string RepairCommas(const fs::path& file, std::string content) {
    if (content.find(',') == std::string::npos) {
        return content;
    }
    std::replace(content.begin(), content.end(), ',', '.');
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (!error && size <= content.size()) {
        // A file that cannot be rewritten is still read, with points for its commas.
        static_cast<void>(WriteFileAtomic(file.parent_path(), file.filename().string(), content));
    }
    return content;
}

// Record 2 or 4: one three-value group per chine 1..count. Chines above 30 are read and dropped.
// Returns false once the file has ended.
bool ReadTriples(LineCursor& in, std::int64_t count, const auto& store) {
    for (std::int64_t c = 1; c <= count; ++c) {
        double values[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            if (!in.Number(values[i])) {
                // A partly read crossing keeps the values it got.
                if (c <= MaxChines) {
                    store(static_cast<int>(c), values, i);
                }
                return false;
            }
        }
        if (c <= MaxChines) {
            store(static_cast<int>(c), values, 3);
        }
    }
    return true;
}

} // namespace

std::string HullFileText(const HullDocument& hull) {
    // The records are laid out for this many chines; the clamp only keeps a damaged document
    // from writing a layout its count does not describe.
    const int n = ChineCountInRange(hull);
    TextOut out;
    const auto number = [&out](double value) { out.Line(PrintNumber(value)); };

    number(n);
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            number(hull.OffsetX[b][c]);
            number(hull.OffsetY[b][c]);
            number(hull.OffsetZ[b][c]);
        }
    }
    number(hull.AutoSpline ? -1 : 0);
    for (int p = 1; p <= PointsPerChine; ++p) {
        for (int c = 1; c <= n; ++c) {
            for (int k = 1; k <= 3; ++k) {
                number(hull.SplinePoints[c][p][k]);
            }
        }
    }
    for (int f = 0; f <= 7; ++f) {
        number(hull.FramePositions[f]);
    }
    for (const auto& text : hull.RigText) {
        out.Line(SingleLine(text));
    }
    out.Line(hull.DeckStep ? "True" : "False");
    out.Line(hull.KeelStep ? "True" : "False");
    for (const auto& text : hull.InfoLines) {
        out.Line(SingleLine(text));
    }
    out.Line(SingleLine(hull.NestOption));
    number(hull.BallastWeight);
    number(hull.BallastHeight);
    number(hull.BallastStation);
    number(hull.ReservedValue);
    for (const std::string& line : GravityRecordLines(hull)) {
        out.Line(line);
    }
    return out.Content();
}

Outcome WriteHullFile(const fs::path& folder, std::string_view name, const HullDocument& hull) {
    if (WriteFileAtomic(folder, name, HullFileText(hull)).HasFailed()) {
        return Outcome::Failed(Failure::Kind::Save, std::string(name));
    }
    return {};
}

namespace {

// Record 1: the chine count the records that follow are laid out for, whatever it is (every
// loop over it ends with the file, and chines above 30 are read and dropped); the model's count
// is clamped to 2..30, as the chine-count box does after the read. Nothing for an empty file.
std::optional<std::int64_t> ReadChineCount(LineCursor& in, HullDocument& hull) {
    double countValue = 0;
    if (!in.Number(countValue)) {
        return std::nullopt;
    }
    const std::int64_t count = RoundHalfEven(countValue);
    hull.ChineCount = static_cast<int>(std::clamp<std::int64_t>(count, 2, MaxChines));
    return count;
}

// Record 2, bulkhead by bulkhead; the station boxes show chine 1's station. False once the file
// has ended.
bool ReadOffsets(LineCursor& in, std::int64_t count, HullDocument& hull,
                 StationTexts& stationText) {
    bool more = true;
    for (int b = 0; b < BulkheadCount && more; ++b) {
        more = ReadTriples(in, count, [&](int c, const double* v, int got) {
            if (got > 0) {
                hull.OffsetX[b][c] = v[0];
            }
            if (got > 1) {
                hull.OffsetY[b][c] = v[1];
            }
            if (got > 2) {
                hull.OffsetZ[b][c] = v[2];
                if (c == 1) {
                    stationText[b] = BoxText(v[2]);
                }
            }
        });
    }
    return more;
}

// Record 4: spline points, point by point. False once the file has ended.
bool ReadSplinePoints(LineCursor& in, std::int64_t count, HullDocument& hull) {
    bool more = true;
    for (int p = 1; p <= PointsPerChine && more; ++p) {
        more = ReadTriples(in, count, [&](int c, const double* v, int got) {
            for (int k = 0; k < got; ++k) {
                hull.SplinePoints[c][p][k + 1] = v[k];
            }
        });
    }
    return more;
}

// Records 5 to 7: frame positions, the rig boxes (each the text form of its number) and the two
// step options. Past the end of the file each read leaves its value as it was.
void ReadFramesAndRig(LineCursor& in, HullDocument& hull) {
    for (int f = 0; f <= 7; ++f) {
        in.Number(hull.FramePositions[f]);
    }
    for (int box = 0; box < RigBoxCount; ++box) {
        if (const auto line = in.Next()) {
            SetRigText(hull, static_cast<RigBox>(box), BoxText(Val(*line)));
        }
    }
    for (bool* option : {&hull.DeckStep, &hull.KeelStep}) {
        if (const auto line = in.Next()) {
            *option = EqualNoCase(*line, "True") || Val(*line) != 0;
        }
    }
}

// Records 8 to 10: the information lines and the nesting option as whole lines, then ballast.
void ReadInfoAndBallast(LineCursor& in, HullDocument& hull) {
    for (auto& text : hull.InfoLines) {
        in.Text(text);
    }
    in.Text(hull.NestOption);
    in.Number(hull.BallastWeight);
    in.Number(hull.BallastHeight);
    in.Number(hull.BallastStation);
    in.Number(hull.ReservedValue);
}

} // namespace

Outcome ReadHullFile(const fs::path& folder, std::string_view name, HullDocument& hull,
                     StationTexts& stationText) {
    const auto file = FindFile(folder, name);
    auto bytes =
        file ? ReadFileBytes(file->parent_path(), file->filename().string()) : std::nullopt;
    if (!bytes) {
        return Outcome::Failed(Failure::Kind::Read, std::string(name));
    }
    LineCursor in(RepairCommas(*file, std::move(*bytes)));
    // A file without the designer's centre of gravity leaves the hull without one, so that it
    // never passes from one hull to the next.
    hull.DesignCenterOfGravity.reset();

    const std::optional<std::int64_t> count = ReadChineCount(in, hull);
    const bool more = count && ReadOffsets(in, *count, hull, stationText);
    // Record 3. A file that ends here (or earlier) is of the older layout: the offsets are the
    // master and the spline points come from them at the next repaint.
    double flag = 0;
    if (!more || !in.Number(flag) || in.AtEnd()) {
        hull.AutoSpline = true;
        return {};
    }
    hull.AutoSpline = flag != 0;
    if (ReadSplinePoints(in, *count, hull)) {
        ReadFramesAndRig(in, hull);
        ReadInfoAndBallast(in, hull);
        const auto height = in.Next();
        const auto station = height ? in.Next() : std::nullopt;
        hull.DesignCenterOfGravity = ReadGravityRecords(height, station);
    }
    return {};
}

} // namespace merrowin
