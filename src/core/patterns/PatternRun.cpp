// The read-only context of one pattern run.
#include "patterns/PatternRun.h"

#include "io/PlotFile.h"
#include "text/NumberText.h"

namespace merrowin {

PatternRun StartPatternRun(const fs::path& folder, const PatternOptions& options,
                           const std::string& hullFileName, double plotXScale, double plotYScale) {
    PatternRun run;
    run.Folder = folder;
    run.ExportFolder = options.ExportPath.empty() ? folder : InFolder(folder, options.ExportPath);
    run.PlotXScale = plotXScale;
    run.PlotYScale = plotYScale;
    // The scale file cannot change during a run: read once, not once per stage and panel.
    ReadPlotterScale(folder, run.PlotXScale, run.PlotYScale);
    run.When = LocalNow();
    run.Date = DateText(run.When);
    run.Font = LoadStrokeFont(folder);
    run.Options = options;
    run.HullFileName = hullFileName;
    return run;
}

} // namespace merrowin
