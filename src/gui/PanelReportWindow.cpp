// The panel report window: its controls and handlers; reading the report and the tolerance rule
// are the core's (patterns/PanelReportFile.h).
#include "PanelReportWindow.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

#include <optional>

#include "patterns/PanelReportFile.h"

namespace merrowin {

namespace {

const char* const NoReportText =
    "No panel report in this folder: run Save, Create with \"Expansions\" ticked first.";
const char* const NextRunText = "The next Save, Create checks against these (inches).";
const char* const BadToleranceText =
    "A tolerance is a number of inches above 0 and at most 1, such as 0.03125 or 1/32; the "
    "next run keeps the last one given.";

// Lines outside a tolerance stand out on a light red band; the run's verdict in dark red.
const QColor FailBand(255, 220, 220);
const char* const FailStyle = "font-weight: bold; color: #a00000;";
const char* const PassStyle = "font-weight: bold;";

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

PanelReportWindow::PanelReportWindow(AppState& app, std::filesystem::path folder, QWidget* parent)
    : QDialog(parent), app_(app), folder_(std::move(folder)) {
    setObjectName(QStringLiteral("PanelReport"));
    setWindowTitle(QStringLiteral("Panel Report"));
    CreateControls();
    resize(760, 560);
}

void PanelReportWindow::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    verdictLabel_ = new QLabel(this);
    verdictLabel_->setObjectName(QStringLiteral("VerdictLabel"));
    verdictLabel_->setWordWrap(true);
    layout->addWidget(verdictLabel_);

    reportText_ = new QPlainTextEdit(this);
    reportText_->setObjectName(QStringLiteral("ReportText"));
    reportText_->setReadOnly(true);
    reportText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportText_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(reportText_, 1);

    auto* tolerances = new QHBoxLayout;
    const auto box = [this, tolerances](const char* name, const char* caption) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(name));
        edit->setMaximumWidth(90);
        auto* label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(edit);
        tolerances->addWidget(label);
        tolerances->addWidget(edit);
        return edit;
    };
    seamBox_ = box("SeamBox", "&Seam tolerance:");
    lengthBox_ = box("LengthBox", "&Length tolerance:");
    toleranceNote_ = new QLabel(QString::fromUtf8(NextRunText), this);
    toleranceNote_->setObjectName(QStringLiteral("ToleranceNote"));
    toleranceNote_->setWordWrap(true);
    tolerances->addWidget(toleranceNote_, 1);
    layout->addLayout(tolerances);

    auto* buttons = new QHBoxLayout;
    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName(QStringLiteral("CloseButton"));
    closeButton_->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    connect(seamBox_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ToleranceTyped(&PanelTolerances::Seam, text); });
    connect(lengthBox_, &QLineEdit::textEdited, this,
            [this](const QString& text) { ToleranceTyped(&PanelTolerances::Length, text); });
    // Leaving a box shows what the next run will use, whatever was typed.
    connect(seamBox_, &QLineEdit::editingFinished, this, [this] { ShowTolerances(); });
    connect(lengthBox_, &QLineEdit::editingFinished, this, [this] { ShowTolerances(); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

void PanelReportWindow::ShowReport() {
    RefreshReport();
    ShowTolerances();
    show();
    raise();
    activateWindow();
}

void PanelReportWindow::RefreshReport() {
    std::optional<std::vector<std::string>> lines = ReadPanelReport(folder_);
    lines_ = lines ? std::move(*lines) : std::vector<std::string>();
    QList<QTextEdit::ExtraSelection> marks;
    if (lines_.empty()) {
        reportText_->setPlainText(QString::fromUtf8(NoReportText));
        verdictLabel_->clear();
        reportText_->setExtraSelections(marks);
        return;
    }
    QStringList text;
    for (const std::string& line : lines_) {
        text.append(ToQt(line));
    }
    reportText_->setPlainText(text.join(QLatin1Char('\n')));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!PanelReportLineFails(lines_[i])) {
            continue;
        }
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(reportText_->document()->findBlockByNumber(static_cast<int>(i)));
        mark.format.setBackground(FailBand);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(mark);
    }
    reportText_->setExtraSelections(marks);

    const std::string verdict = PanelReportRunVerdict(lines_);
    verdictLabel_->setText(ToQt("Verdict: " + verdict));
    verdictLabel_->setStyleSheet(PanelReportLineFails(verdict) ? FailStyle : PassStyle);
}

std::vector<int> PanelReportWindow::MarkedLines() const {
    std::vector<int> numbers;
    for (const QTextEdit::ExtraSelection& mark : reportText_->extraSelections()) {
        numbers.push_back(mark.cursor.blockNumber());
    }
    return numbers;
}

void PanelReportWindow::ShowTolerances() {
    const PanelTolerances& tolerances = app_.Work.Patterns.Tolerances;
    seamBox_->setText(ToQt(ToleranceText(tolerances.Seam)));
    lengthBox_->setText(ToQt(ToleranceText(tolerances.Length)));
}

// A tolerance is kept for the next run as soon as it reads as one; other text keeps the last.
void PanelReportWindow::ToleranceTyped(double PanelTolerances::*which, const QString& text) {
    const std::optional<double> inches = ParseTolerance(text.toStdString());
    if (inches) {
        app_.Work.Patterns.Tolerances.*which = *inches;
    }
    toleranceNote_->setText(QString::fromUtf8(inches ? NextRunText : BadToleranceText));
}

} // namespace merrowin
