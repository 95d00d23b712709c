// The figure frame: thumbnails, the chosen figure's outline and the flip and turn commands.
#include "open/Figures.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// The running maxima of a figure start here, below any outline drawn in positive coordinates.
constexpr double MaximaStart = -100;

double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

int OutlinePoints(const ViewState& view) {
    return std::clamp(view.FigurePointCount, 0, MaxFigurePoints);
}

} // namespace

void DrawFigureThumbnail(const FigureOutline& figure, Canvas& picture) {
    double maxX = MaximaStart, maxY = MaximaStart;
    for (const auto& point : figure.Points) {
        maxX = std::max(maxX, point[0]);
        maxY = std::max(maxY, point[1]);
    }
    const double m = std::max(maxX, maxY);
    if (!UsableScale(-2, m + 2, m + 2, -2)) {
        return; // no square can hold it: the picture stays empty
    }
    picture.Scale(-2, m + 2, m + 2, -2);
    for (std::size_t i = 1; i < figure.Points.size(); ++i) {
        picture.Line(figure.Points[i - 1][0], figure.Points[i - 1][1], figure.Points[i][0],
                     figure.Points[i][1], Colour::Red);
    }
}

void LoadFigureThumbnails(const std::vector<FigureOutline>& figures,
                          const std::vector<Canvas*>& thumbnails, ViewState& view,
                          FigureFrame& frame) {
    const std::size_t count = std::min(figures.size(), thumbnails.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (thumbnails[k] != nullptr) {
            DrawFigureThumbnail(figures[k], *thumbnails[k]);
        }
    }
    frame.FigureWeight = Val(frame.WeightText);
    view.FigureIndex = -1;
}

void ChooseFigure(ViewState& view, FigureFrame& frame, const std::vector<FigureOutline>& figures,
                  int index, RepaintHub& hub) {
    if (index < 0 || index >= MaxFigures) {
        return; // there is no such thumbnail
    }
    if (index == view.FigureIndex) {
        ClearFigureChoice(view, frame);
        hub.RepaintMainView();
        return;
    }
    frame.HighlightShown = true;
    frame.HighlightIndex = index;
    if (static_cast<std::size_t>(index) >= figures.size()) {
        // An empty thumbnail chooses nothing (no file, or fewer figures than thumbnails).
        view.FigureIndex = -1;
        frame.Caption = OpenCaption;
        hub.RepaintMainView();
        return;
    }
    const FigureOutline& figure = figures[static_cast<std::size_t>(index)];
    // A standard figure is drawn at the height in the box.
    const double scale = Val(frame.HeightText) / StandardFigureHeight;
    // The figure's own maxima, not the hull's extents: the hull keeps its beam and height.
    double maxZ = MaximaStart, maxY = MaximaStart;
    int n = 0;
    for (const auto& point : figure.Points) {
        if (n >= MaxFigurePoints) {
            break;
        }
        ++n;
        const auto k = static_cast<std::size_t>(n);
        view.FigureOutlineZ[k] = FiniteOrZero(point[0] * scale);
        view.FigureOutlineY[k] = FiniteOrZero(point[1] * scale);
        maxZ = std::max(maxZ, view.FigureOutlineZ[k]);
        maxY = std::max(maxY, view.FigureOutlineY[k]);
    }
    view.FigurePointCount = n;
    // Centred on half its maxima, and placed there, so it stands where the file draws it.
    const double halfZ = maxZ / 2, halfY = maxY / 2;
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        view.FigureOutlineZ[k] = FiniteOrZero(view.FigureOutlineZ[k] - halfZ);
        view.FigureOutlineY[k] = FiniteOrZero(view.FigureOutlineY[k] - halfY);
    }
    view.FigureZ = halfZ;
    view.FigureY = halfY;
    view.FigureIndex = index;
    frame.Caption = figure.Title;
    hub.RepaintMainView();
}

void ClearFigureChoice(ViewState& view, FigureFrame& frame) {
    view.FigureIndex = -1;
    frame.HighlightShown = false;
    frame.HighlightIndex = -1;
    frame.Caption = OpenCaption;
}

void FigureHeightChanged(ViewState& view, FigureFrame& frame, std::string_view text,
                         RepaintHub& hub) {
    frame.HeightText = std::string(text);
    ClearFigureChoice(view, frame);
    hub.RepaintMainView();
}

void FigureWeightChanged(FigureFrame& frame, std::string_view text) {
    frame.WeightText = std::string(text);
    frame.FigureWeight = Val(text);
}

void FigureFlipV(ViewState& view, RepaintHub& hub) {
    for (int i = 1; i <= OutlinePoints(view); ++i) {
        const auto k = static_cast<std::size_t>(i);
        view.FigureOutlineZ[k] = -view.FigureOutlineZ[k];
    }
    hub.RepaintMainView();
}

void FigureFlipH(ViewState& view, RepaintHub& hub) {
    for (int i = 1; i <= OutlinePoints(view); ++i) {
        const auto k = static_cast<std::size_t>(i);
        view.FigureOutlineY[k] = -view.FigureOutlineY[k];
    }
    hub.RepaintMainView();
}

void FigureTurn90(ViewState& view, RepaintHub& hub) {
    for (int i = 1; i <= OutlinePoints(view); ++i) {
        const auto k = static_cast<std::size_t>(i);
        std::swap(view.FigureOutlineZ[k], view.FigureOutlineY[k]);
    }
    hub.RepaintMainView();
}

} // namespace merrowin
