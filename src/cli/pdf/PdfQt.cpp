// PDF output of the command line through the printing library, on Qt's offscreen platform.
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <memory>

#include "PdfOutput.h"
#include "print/Printouts.h"

namespace merrowin::cli {

namespace {

// Qt's notes about its surroundings (no runtime folder, no session) are no business of the
// command's user; its critical and fatal messages still reach stderr.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

// A GUI application while it lives, unless there is one already: fonts need it. The offscreen
// platform is chosen unless the environment names another, so no display is needed.
class PdfSession {
public:
    PdfSession() : previous_(qInstallMessageHandler(QuietQtMessages)) {
        if (QGuiApplication::instance() == nullptr) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
    }
    ~PdfSession() {
        app_.reset();
        qInstallMessageHandler(previous_);
    }
    PdfSession(const PdfSession&) = delete;
    PdfSession& operator=(const PdfSession&) = delete;

private:
    int argc_ = 1;
    char name_[13] = "merrowin-cli";
    char* argv_[2] = {name_, nullptr};
    QtMessageHandler previous_;
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace

bool PdfSupported() {
    return true;
}

Outcome WriteNestPdfFile(const std::filesystem::path& file, const std::vector<NestPage>& pages) {
    const PdfSession session;
    return WriteNestPdf(file, pages);
}

Outcome WriteFullSizePdfFile(const std::filesystem::path& file, const TileDocument& document) {
    const PdfSession session;
    return WriteFullSizePdf(file, document);
}

} // namespace merrowin::cli
