// The panel report read back from "panels.txt", and the tolerance boxes' rule.
#include "patterns/PanelReportFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "patterns/PanelReport.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr std::string_view VerdictMark = "Verdict: ";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The whole text as one decimal number, nothing else in it; a decimal comma counts as a point.
std::optional<double> WholeNumber(std::string_view text) {
    std::string number(Trimmed(text));
    std::replace(number.begin(), number.end(), ',', '.');
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (number.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::vector<std::string>> ReadPanelReport(const fs::path& folder) {
    return ReadLines(folder, PanelReportName);
}

bool PanelReportLineFails(std::string_view line) {
    const bool overTolerance = line.find(", over the ") != std::string_view::npos &&
                               line.find(" tolerance") != std::string_view::npos;
    return overTolerance || line.find("fails the ") != std::string_view::npos ||
           line.find("outside the tolerances") != std::string_view::npos;
}

std::string PanelReportRunVerdict(const std::vector<std::string>& lines) {
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        const std::string_view text = Trimmed(*line);
        if (text.substr(0, VerdictMark.size()) == VerdictMark) {
            return std::string(text.substr(VerdictMark.size()));
        }
    }
    return {};
}

std::optional<double> ParseTolerance(std::string_view text) {
    std::optional<double> value;
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        value = WholeNumber(text);
    } else {
        const std::optional<double> over = WholeNumber(text.substr(0, slash));
        const std::optional<double> under = WholeNumber(text.substr(slash + 1));
        if (over && under && *under != 0) {
            value = *over / *under;
        }
    }
    if (!value || !std::isfinite(*value) || !(*value > 0) || *value > MaxTypedTolerance) {
        return std::nullopt;
    }
    return value;
}

std::string ToleranceText(double inches) {
    return FormatNumber(inches, "0.#####");
}

} // namespace merrowin
