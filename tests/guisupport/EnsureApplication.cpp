#include "EnsureApplication.h"

#include <QApplication>
#include <cstdlib>

QApplication& EnsureApplication() {
    static int argc = 1;
    static char name[] = "quillora-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}
