// The panel report window: the report of the last pattern run ("panels.txt") read-only, with
// its verdicts marked, and the two tolerances the next run checks against.
#pragma once

#include <QDialog>

#include <filesystem>
#include <string>
#include <vector>

#include "app/AppState.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace merrowin {

class PanelReportWindow : public QDialog {
    Q_OBJECT
public:
    PanelReportWindow(AppState& app, std::filesystem::path folder, QWidget* parent = nullptr);

    // What "Panel &Report..." does: the report read again, the tolerance boxes from the model,
    // the window shown.
    void ShowReport();
    // Reads "panels.txt" of the folder again (after a pattern run).
    void RefreshReport();

    // The lines shown; empty when the folder has no report.
    const std::vector<std::string>& Lines() const { return lines_; }
    // The lines marked as outside a tolerance, by their number in Lines().
    std::vector<int> MarkedLines() const;

    QPlainTextEdit& ReportText() { return *reportText_; }
    QLabel& VerdictLabel() { return *verdictLabel_; }
    QLineEdit& SeamBox() { return *seamBox_; }
    QLineEdit& LengthBox() { return *lengthBox_; }
    QLabel& ToleranceNote() { return *toleranceNote_; }

private:
    void CreateControls();
    void ShowTolerances();
    void ToleranceTyped(double PanelTolerances::*which, const QString& text);

    AppState& app_;
    std::filesystem::path folder_;
    std::vector<std::string> lines_;

    QLabel* verdictLabel_ = nullptr;
    QPlainTextEdit* reportText_ = nullptr;
    QLineEdit* seamBox_ = nullptr;
    QLineEdit* lengthBox_ = nullptr;
    QLabel* toleranceNote_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace merrowin
