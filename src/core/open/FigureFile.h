// The figure file "persons.fig": outlines of people (and a dog) drawn beside the hull for scale.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/Files.h"

namespace merrowin {

inline constexpr const char* FigureFileName = "persons.fig";
inline constexpr int MaxFigurePoints = 100;        // outline points a figure keeps
inline constexpr int MaxFigures = 9;               // thumbnails Picture2(0..8) of the Open window
inline constexpr double StandardFigureHeight = 67; // drawing units of a standard adult

// One figure as the file gives it: its title and outline points (x along the hull, y up) in the
// file's drawing units.
struct FigureOutline {
    std::string Title;
    std::vector<std::array<double, 2>> Points;
};

// The figures of the file's text, in file order. A line containing "start" begins a figure and
// the next line is its title; each following line that starts with a number is a point, x
// before the first blank or tab and y after it (y 0 when there is none); a line containing "end"
// ends the figure. Lines outside figures and lines without a number are ignored; "start" inside
// a figure ends it and begins the next (an "end" left out). Keeps the first MaxFigurePoints
// points of a figure and the first MaxFigures figures.
std::vector<FigureOutline> ParseFigureFile(std::string_view text);

// The figure file a run uses: the working folder first, then the installed data folder.
std::optional<fs::path> FindFigureFile(const fs::path& folder);

// The figures of the file FindFigureFile finds; none when there is no file.
std::vector<FigureOutline> LoadFigureFile(const fs::path& folder);

} // namespace merrowin
