// merrowin: the desktop program, working in the folder it is started from.
#include <QApplication>

#include <filesystem>
#include <system_error>

#include "DevModes.h"
#include "Form1.h"

// Two hidden options serve development only and are not offered to users:
//   merrowin --repaint-and-quit     start up without boxes, show 30 chines, repaint every view a
//                                   few times and quit (peak memory: /usr/bin/time -v merrowin
//                                   --repaint-and-quit, with QT_QPA_PLATFORM=offscreen);
//   merrowin --screenshots DIR      write PNG images of the main window into DIR.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
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
