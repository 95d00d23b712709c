// The Open window's figure frame: the thumbnails, choosing and dropping a figure for the main
// view, its height and weight boxes and the flip and turn buttons.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "open/FigureFile.h"
#include "ui/Canvas.h"
#include "ui/RepaintHub.h"
#include "views/ViewState.h"

namespace merrowin {

inline constexpr const char* OpenCaption = "Open";
// Shape2 frames the chosen thumbnail from this far above and to the left of it, in twips.
inline constexpr int HighlightOffsetTwips = 60;

// The figure frame's controls as the window shows them.
struct FigureFrame {
    std::string Caption = OpenCaption; // Form4's caption: the chosen figure's title meanwhile
    bool HighlightShown = false;       // Shape2
    int HighlightIndex = -1;           // the thumbnail Shape2 frames
    std::string HeightText = "67\"";   // Text3, inches
    std::string WeightText = "165 #";  // Text8, pounds
    double FigureWeight = 165;
};

// One thumbnail Picture2(k): the outline as written, in user coordinates from -2 to m + 2 both
// ways (y up), m the larger of its largest x and largest y (both at least -100), in red.
void DrawFigureThumbnail(const FigureOutline& figure, Canvas& picture);

// Form4 load: every figure's thumbnail (the first thumbnails.size() of them), the weight from
// its box, no figure chosen.
void LoadFigureThumbnails(const std::vector<FigureOutline>& figures,
                          const std::vector<Canvas*>& thumbnails, ViewState& view,
                          FigureFrame& frame);

// Picture2(index) click with the figure file as read now: the chosen thumbnail again drops the
// figure; another chooses figure `index`, scaled to the height box (a standard figure is 67
// units tall) and centred on (FigureZ, FigureY) where the file puts it, and its title becomes the
// caption. A thumbnail without a figure only moves the highlight. Repaints the main view. The
// figure's own extents are kept apart from the hull's.
void ChooseFigure(ViewState& view, FigureFrame& frame, const std::vector<FigureOutline>& figures,
                  int index, RepaintHub& hub);

// No figure chosen: FigureIndex -1, Shape2 hidden, the caption back to "Open".
void ClearFigureChoice(ViewState& view, FigureFrame& frame);

// Text3 changed: the new height drops the figure (choosing it again draws it at this height);
// repaints the main view.
void FigureHeightChanged(ViewState& view, FigureFrame& frame, std::string_view text,
                         RepaintHub& hub);

// Text8 changed: FigureWeight = its number.
void FigureWeightChanged(FigureFrame& frame, std::string_view text);

// "Flip V" mirrors the outline fore and aft, "Flip H" turns it upside down, "90" exchanges its
// two coordinates (lays it on its side); each repaints the main view.
void FigureFlipV(ViewState& view, RepaintHub& hub);
void FigureFlipH(ViewState& view, RepaintHub& hub);
void FigureTurn90(ViewState& view, RepaintHub& hub);

} // namespace merrowin
