// The status bar panels and the message and input boxes, over Qt widgets.
#include "QtServices.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

namespace merrowin {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// Minimum widths of the panels in pixels: the messages, the beam, then z, y and x read-outs.
constexpr int PanelWidths[6] = {0, 240, 90, 80, 80, 80};

} // namespace

QtStatusBar::QtStatusBar(QStatusBar& bar) {
    bar.setSizeGripEnabled(true);
    for (int panel = 1; panel <= 5; ++panel) {
        auto* label = new QLabel(&bar);
        label->setObjectName(QStringLiteral("Panel%1").arg(panel));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(PanelWidths[panel]);
        label->setTextFormat(Qt::PlainText);
        bar.addWidget(label, panel == 1 ? 1 : 0);
        labels_[static_cast<std::size_t>(panel)] = label;
    }
}

void QtStatusBar::SetPanel(int panel, const std::string& text) {
    if (panel < 1 || panel > 5) {
        return;
    }
    const auto index = static_cast<std::size_t>(panel);
    if (texts_[index] == text) {
        return; // every repaint writes the beam again; the label need not lay itself out again
    }
    texts_[index] = text;
    labels_[index]->setText(ToQt(text));
}

std::string QtStatusBar::Panel(int panel) const {
    if (panel < 1 || panel > 5) {
        return {};
    }
    return texts_[static_cast<std::size_t>(panel)];
}

QLabel* QtStatusBar::Label(int panel) const {
    if (panel < 1 || panel > 5) {
        return nullptr;
    }
    return labels_[static_cast<std::size_t>(panel)];
}

MessageAnswer QtDialogs::Message(const std::string& title, const std::string& text,
                                 MessageButtons buttons, MessageIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case MessageIcon::Question:
        qtIcon = QMessageBox::Question;
        break;
    case MessageIcon::Exclamation:
        qtIcon = QMessageBox::Warning;
        break;
    case MessageIcon::None:
        break;
    }
    QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    if (buttons == MessageButtons::OkCancel) {
        qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
    } else if (buttons == MessageButtons::YesNoCancel) {
        qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = QMessageBox::Cancel;
    }
    QMessageBox box(qtIcon, ToQt(title), ToQt(text), qtButtons, parent_);
    box.setEscapeButton(escape);
    box.exec();
    // Closing the box by its frame counts as its escape button.
    auto* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : escape) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

std::string QtDialogs::Input(const std::string& title, const std::string& prompt,
                             const std::string& defaultText) {
    QInputDialog dialog(parent_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(ToQt(title));
    dialog.setLabelText(ToQt(prompt));
    dialog.setTextValue(ToQt(defaultText));
    dialog.adjustSize();
    const int width = InputBoxWidth(dialog.fontMetrics(), ToQt(title), ToQt(prompt));
    dialog.resize(std::max(width, dialog.width()), dialog.height());
    const QScreen* screen = parent_ != nullptr ? parent_->screen() : nullptr;
    if (anchor_ && screen != nullptr) {
        dialog.move(
            PlaceBeside(*anchor_, dialog.frameGeometry().size(), screen->availableGeometry()));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue().toStdString();
}

// The title bar's buttons and the box's margins, in pixels, besides the texts themselves.
int InputBoxWidth(const QFontMetrics& metrics, const QString& title, const QString& prompt) {
    constexpr int TitleBarButtons = 140;
    constexpr int Margins = 60;
    return std::max(metrics.horizontalAdvance(title) + TitleBarButtons,
                    metrics.horizontalAdvance(prompt) + Margins);
}

QPoint PlaceBeside(QPoint point, QSize size, const QRect& screen) {
    constexpr int Gap = 24; // between the point and the box, so the point stays in sight
    int left = point.x() + Gap;
    if (left + size.width() > screen.right() + 1) {
        left = point.x() - Gap - size.width();
    }
    int top = point.y() + Gap;
    if (top + size.height() > screen.bottom() + 1) {
        top = point.y() - Gap - size.height();
    }
    left =
        std::clamp(left, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    top =
        std::clamp(top, screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {left, top};
}

} // namespace merrowin
