// Undo and redo of the designer's changes to the hull.
#include "app/History.h"

#include "app/AppState.h"
#include "text/NumberText.h"
#include "ui/RepaintHub.h"

namespace merrowin {

namespace {

HullSnapshot Capture(const AppState& app) {
    const WorkingValues& work = app.Work;
    return HullSnapshot{app.Hull, work.HullFileName, work.StationText, work.PitchAngle,
                        work.AppliedPitch};
}

// The station boxes are not compared: a text typed but not yet entered changes no hull.
bool SameHull(const HullSnapshot& a, const HullSnapshot& b) {
    return a.Hull == b.Hull && a.HullFileName == b.HullFileName && a.PitchAngle == b.PitchAngle &&
           a.AppliedPitch == b.AppliedPitch;
}

// A station box keeps the text it had when that text reads as the restored station of chine 1 to
// the hundredth (a drag writes two decimals); any other text, typed and never entered, gives way
// to the station itself, as a file read shows it.
std::string StationText(const std::string& text, double station) {
    if (FormatNumber(Val(text), "0.00") == FormatNumber(station, "0.00")) {
        return text;
    }
    return BoxText(station);
}

void Restore(const HullSnapshot& snapshot, AppState& app) {
    WorkingValues& work = app.Work;
    app.Hull = snapshot.Hull;
    work.HullFileName = snapshot.HullFileName;
    work.PitchAngle = snapshot.PitchAngle;
    work.AppliedPitch = snapshot.AppliedPitch;
    for (int b = 0; b < BulkheadCount; ++b) {
        const auto box = static_cast<std::size_t>(b);
        work.StationText[box] = StationText(snapshot.StationText[box], app.Hull.OffsetZ[b][1]);
    }
    work.ChineCountText = IntText(app.Hull.ChineCount);
}

void Push(std::deque<HullSnapshot>& list, HullSnapshot snapshot) {
    list.push_back(std::move(snapshot));
    while (list.size() > UndoHistory::MaxSteps) {
        list.pop_front(); // the oldest step goes
    }
}

// After an undo or redo: the hydrostatics shown were of the other hull.
void ShowRestored(AppState& app, RepaintHub& hub) {
    HydroState& hydro = app.Work.Hydro;
    LeaveWaterlineMode(hydro);
    hydro.Combo1Visible = false;
    hydro.CenterGravityX = 0;
    hydro.CenterGravityY = 0;
    hydro.CenterGravityZ = 0;
    hub.RepaintWindow();
}

} // namespace

bool UndoHistory::Open() const {
    return commands_ > 0 || drag_ || visit_ || run_.has_value();
}

bool UndoHistory::Changed(const AppState& app) const {
    return before_.has_value() && !SameHull(*before_, Capture(app));
}

void UndoHistory::OpenIfClosed(const AppState& app) {
    if (!Open()) {
        before_ = Capture(app);
    }
}

void UndoHistory::Finish(const AppState& app) {
    if (Open()) {
        return;
    }
    if (Changed(app)) {
        Push(undo_, std::move(*before_));
        redo_.clear();
    }
    before_.reset();
}

void UndoHistory::BeginCommand(const AppState& app) {
    EndRun(app);
    OpenIfClosed(app);
    ++commands_;
}

void UndoHistory::EndCommand(const AppState& app) {
    if (commands_ > 0) {
        --commands_;
        Finish(app);
    }
}

void UndoHistory::BeginLong(LongStep step, const AppState& app) {
    EndRun(app);
    OpenIfClosed(app);
    (step == LongStep::Drag ? drag_ : visit_) = true;
}

void UndoHistory::EndLong(LongStep step, const AppState& app) {
    bool& open = step == LongStep::Drag ? drag_ : visit_;
    if (open) {
        open = false;
        Finish(app);
    }
}

void UndoHistory::BeginRun(RunKey key, const AppState& app) {
    if (run_ == key) {
        return;
    }
    EndRun(app);
    OpenIfClosed(app);
    run_ = key;
}

void UndoHistory::EndRun(const AppState& app) {
    if (run_) {
        run_.reset();
        Finish(app);
    }
}

void UndoHistory::CloseSteps(const AppState& app) {
    commands_ = 0;
    drag_ = false;
    visit_ = false;
    run_.reset();
    Finish(app);
}

bool UndoHistory::CanUndo(const AppState& app) const {
    return !undo_.empty() || Changed(app);
}

bool UndoHistory::CanRedo(const AppState& app) const {
    return !redo_.empty() && !Changed(app);
}

bool UndoHistory::Undo(AppState& app) {
    CloseSteps(app);
    if (undo_.empty()) {
        return false;
    }
    Push(redo_, Capture(app));
    Restore(undo_.back(), app);
    undo_.pop_back();
    return true;
}

bool UndoHistory::Redo(AppState& app) {
    CloseSteps(app);
    if (redo_.empty()) {
        return false;
    }
    Push(undo_, Capture(app));
    Restore(redo_.back(), app);
    redo_.pop_back();
    return true;
}

void UndoHistory::Clear() {
    *this = UndoHistory{};
}

StepScope::StepScope(AppState& app) : app_(app) {
    app_.History.BeginCommand(app_);
}

StepScope::~StepScope() {
    app_.History.EndCommand(app_);
}

bool UndoCommand(AppState& app, RepaintHub& hub) {
    if (!app.History.Undo(app)) {
        return false;
    }
    ShowRestored(app, hub);
    return true;
}

bool RedoCommand(AppState& app, RepaintHub& hub) {
    if (!app.History.Redo(app)) {
        return false;
    }
    ShowRestored(app, hub);
    return true;
}

} // namespace merrowin
