// Undo and redo: the designer's changes to the hull as steps, each kept as a snapshot of the hull
// document from before it.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/Hull.h"

namespace merrowin {

struct AppState;
class RepaintHub;

// What a step gives back: the hull document and the working values that belong to it.
struct HullSnapshot {
    HullDocument Hull;
    std::string HullFileName; // a save after an undo writes the hull to the file it came from
    std::array<std::string, BulkheadCount> StationText;
    double PitchAngle = 0, AppliedPitch = 0; // the rotation the offsets carry
};

// Steps that last over several events: a drag from press to release, and a visit to the Open
// window from "&Open" to "Done" (every preview, and whatever else is changed meanwhile).
enum class LongStep { Drag, OpenVisit };

// Typing runs: the keystrokes into one box or one cell make one step, which ends at the next
// step of any kind, at an undo or redo, or when the window ends it (the selection moves).
enum class RunKind { StationBox, OffsetsCell, RigBox, BallastBox, InfoLine, FrameBox };
struct RunKey {
    RunKind Kind;
    int Index; // the box, or the cell as row x columns + column
    friend bool operator==(const RunKey&, const RunKey&) = default;
};

// The history of one run of the program. A step is open from its begin to its end; steps begun
// while one is open join it (a command inside a drag or a visit), except that a typing run ends
// when anything else begins. When the outermost step ends, it is kept only when it changed the
// hull, its file name or its pitch. A new step forgets what was undone.
class UndoHistory {
public:
    static constexpr std::size_t MaxSteps = 200;

    // A command that runs to completion (StepScope below).
    void BeginCommand(const AppState& app);
    void EndCommand(const AppState& app);
    // A long step: begun again while open it stays one step; an end without a begin does
    // nothing.
    void BeginLong(LongStep step, const AppState& app);
    void EndLong(LongStep step, const AppState& app);
    // A typing run: the same key goes on with the open run, another key ends it first.
    void BeginRun(RunKey key, const AppState& app);
    void EndRun(const AppState& app);
    // Ends every open step.
    void CloseSteps(const AppState& app);

    // Whether Undo or Redo would change anything now (an open step that changed the hull counts
    // as a step to undo, and takes away what could be redone).
    bool CanUndo(const AppState& app) const;
    bool CanRedo(const AppState& app) const;
    // The steps kept; an open step is not counted until it ends.
    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }

    // Ends the open steps, then gives back the state before the last step (Undo) or after the
    // last undone one (Redo); the state left goes to the other list, so nothing is lost. False,
    // changing nothing, when there is no such step.
    bool Undo(AppState& app);
    bool Redo(AppState& app);

    // Forgets every step (start-up).
    void Clear();

private:
    bool Open() const;
    bool Changed(const AppState& app) const;
    void OpenIfClosed(const AppState& app);
    void Finish(const AppState& app);

    std::deque<HullSnapshot> undo_, redo_;
    std::optional<HullSnapshot> before_; // the state when the open step began
    int commands_ = 0;
    bool drag_ = false, visit_ = false;
    std::optional<RunKey> run_;
};

// One command as one step: begun when made, ended when it goes, whichever way the command
// returns.
class StepScope {
public:
    explicit StepScope(AppState& app);
    ~StepScope();
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

private:
    AppState& app_;
};

// Edit menu "&Undo" and "&Redo": the state comes back, the waterline mode ends as after an edit
// in the main view (the results were of the other hull), and the window is repainted, which tells
// the other windows. False when there was nothing to undo or redo.
bool UndoCommand(AppState& app, RepaintHub& hub);
bool RedoCommand(AppState& app, RepaintHub& hub);

} // namespace merrowin
