// merrowin: the desktop program, working in the folder it is started from.
#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "DevModes.h"
#include "Form1.h"

namespace {

const char* const HelpText =
    "usage: merrowin [--help | --version]\n"
    "\n"
    "Merrowin designs small hard-chine boats built from plywood sheets. It works in the folder it\n"
    "is started from: default.hul there is read at start-up and saved every 30 seconds, and the\n"
    "pattern files are written there. merrowin-cli runs the same engine from the command line\n"
    "(merrowin-cli --help).\n";

// Answers --help and --version given as the first argument, before any window system is opened
// (so both work without a display). Nothing when the program is to start.
std::optional<int> AnswerInformationOption(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    const std::string_view option = argv[1];
    if (option == "--version") {
        std::fputs("merrowin " MERROWIN_VERSION "\n", stdout);
    } else if (option == "--help" || option == "-h") {
        std::fputs(HelpText, stdout);
    } else {
        return std::nullopt;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

// Two hidden options serve development only and are not offered to users:
//   merrowin --repaint-and-quit     start up without boxes, show 30 chines, repaint every view a
//                                   few times and quit (peak memory: /usr/bin/time -v merrowin
//                                   --repaint-and-quit, with QT_QPA_PLATFORM=offscreen);
//   merrowin --screenshots DIR      write PNG images of the main window into DIR.
int main(int argc, char** argv) {
    if (const std::optional<int> status = AnswerInformationOption(argc, argv)) {
        return *status;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(MERROWIN_VERSION));
    // Ties the windows to the installed desktop entry and its icon (none when not installed).
    QGuiApplication::setDesktopFileName(QStringLiteral("merrowin"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("merrowin")));
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error) {
        folder = ".";
    }
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 2 && arguments[1] == QLatin1String("--repaint-and-quit")) {
        return merrowin::RepaintAndQuit(folder);
    }
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("--screenshots")) {
        return merrowin::WriteScreenshots(arguments[2].toStdString());
    }
    merrowin::AppState app;
    merrowin::Form1 form1(app, folder);
    form1.show();
    return QApplication::exec();
}
