// The hand plotting listing: marked plot points in inches, eighths and millimetres.
#include "patterns/HandPlot.h"

#include <utility>

#include "io/PlotFile.h"
#include "patterns/PatternFiles.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double MillimetresPerInch = 25.4;

} // namespace

std::string HandPlotPointLine(double x, double y, double plotXScale, double plotYScale) {
    const std::string xText = FormatNumber(plotXScale != 0 ? x / plotXScale : 0, "0.00");
    const std::string yText = FormatNumber(plotYScale != 0 ? y / plotYScale : 0, "0.00");
    // Millimetres from the inches as listed (two decimals), so the columns agree with each other.
    ZoneLine line;
    line.Add(xText)
        .Zone(yText)
        .Zone(EighthsForm(xText))
        .Zone(EighthsForm(yText))
        .Zone(FormatNumber(Val(xText) * MillimetresPerInch, "0.0"))
        .Zone(FormatNumber(Val(yText) * MillimetresPerInch, "0.0"));
    return line.Text();
}

std::string HandPlotPiece(std::string_view pieceName, std::string_view plotText, double plotXScale,
                          double plotYScale) {
    TextOut out;
    ZoneLine head;
    head.Add(pieceName);
    for (int i = 0; i < 5; ++i) {
        head.Zone("__________");
    }
    out.Line(head.Text());
    // "/* hand plot */" lists the next cut point only, "/* hand plot all points */" every one
    // to the end of the file. Pen statements and drawn lines ("aline") are never listed.
    bool listing = false, listingAll = false;
    for (const std::string& line : SplitLines(plotText)) {
        if (PlotLineHas(line, "hand plot")) {
            listing = true;
            if (PlotLineHas(line, "hand plot all")) {
                listingAll = true;
            }
        } else if (listing && PlotLineHas(line, "acut")) {
            const PlotTokens t = TokenisePlotLine(line, true);
            out.Line(HandPlotPointLine(t.X, t.Y, plotXScale, plotYScale));
            listing = listingAll;
        }
    }
    return out.Content();
}

std::string HandPlotHead(std::string_view hullFileName, const std::tm& when) {
    TextOut out;
    ZoneLine title;
    title.Add("Hand plotting file for ")
        .Add(hullFileName)
        .Zone(TimeText(when))
        .Zone(DateText(when));
    out.Line(title.Text());
    ZoneLine heads;
    heads.Add("X in.")
        .Zone("Y in.")
        .Zone("X in-eights")
        .Zone("Y in-eights")
        .Zone("X mm")
        .Zone("Y mm");
    out.Line(heads.Text());
    return out.Content();
}

void WriteHandPlot(const PatternRun& run, const HullDocument& hull, FileBatch& files,
                   StatusBar& status) {
    std::string listing = HandPlotHead(run.HullFileName, run.When);
    for (const std::string& piece : PieceNames(hull, run.Options, false)) {
        const std::string name = piece + ".uc";
        status.SetPanel(1, "Adding " + name + " to HANDPLOT.TXT...");
        const std::string* text = files.Find(run.Folder, name);
        if (text == nullptr) {
            // A piece whose plot file was never written is left out of the listing rather than
            // listed without points, so the nesting window only sees pieces it can draw.
            continue;
        }
        listing += HandPlotPiece(name, *text, run.PlotXScale, run.PlotYScale);
    }
    files.Put(run.Folder, HandPlotFileName, std::move(listing));
    status.SetPanel(1, "Done...");
}

} // namespace merrowin
