// merrowin: the desktop program.
#include <QApplication>

#include "Form1.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    merrowin::AppState app;
    merrowin::Form1 form1(app);
    form1.show();
    return QApplication::exec();
}
