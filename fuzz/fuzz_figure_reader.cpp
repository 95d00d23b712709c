// Fuzz target: any bytes read as a figure file give at most nine figures of at most 100 finite
// points, whose thumbnails draw and whose choice leaves a finite outline in the view.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "open/FigureFile.h"
#include "open/Figures.h"
#include "ui/RecordingCanvas.h"
#include "ui/RepaintHub.h"

namespace {

// A main window that repaints nothing: the figure commands only ask for repaints.
class IdleHub : public merrowin::RepaintHub {
public:
    void RepaintWindow() override {}
    void RepaintMainView() override {}
    merrowin::Canvas& MainPicture() override { return canvas_; }
    merrowin::Canvas& Thumbnail(int) override { return canvas_; }

private:
    merrowin::NullCanvas canvas_;
};

void Check(bool sound) {
    if (!sound) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace merrowin;
    const std::vector<FigureOutline> figures =
        ParseFigureFile(std::string_view(reinterpret_cast<const char*>(data), size));
    Check(figures.size() <= static_cast<std::size_t>(MaxFigures));
    IdleHub hub;
    ViewState view;
    FigureFrame frame;
    // The height box as the first bytes give it, so scales other than 67 are tried too.
    frame.HeightText = std::string(reinterpret_cast<const char*>(data), size < 8 ? size : 8);
    for (std::size_t k = 0; k < figures.size(); ++k) {
        Check(figures[k].Points.size() <= static_cast<std::size_t>(MaxFigurePoints));
        for (const auto& point : figures[k].Points) {
            Check(std::isfinite(point[0]) && std::isfinite(point[1]));
        }
        RecordingCanvas thumbnail(60, 60);
        DrawFigureThumbnail(figures[k], thumbnail);
        Check(thumbnail.Count(CanvasOp::Line) + 1 ==
                  (figures[k].Points.empty() ? 1 : figures[k].Points.size()) ||
              thumbnail.Calls().empty());
        ChooseFigure(view, frame, figures, static_cast<int>(k), hub);
        FigureTurn90(view, hub);
        Check(view.FigurePointCount >= 0 && view.FigurePointCount <= MaxFigurePoints);
        Check(std::isfinite(view.FigureZ) && std::isfinite(view.FigureY));
        for (int i = 1; i <= view.FigurePointCount; ++i) {
            const auto p = static_cast<std::size_t>(i);
            Check(std::isfinite(view.FigureOutlineZ[p]) && std::isfinite(view.FigureOutlineY[p]));
        }
    }
    return 0;
}
