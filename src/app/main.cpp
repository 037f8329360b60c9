// Quillora: round CD/DVD labels.
//
// Measuring hook: with QUILLORA_MEASURE_STARTUP=<ms> set, the program prints
// "frame-shown-epoch-ms <n>" when the frame is first shown and, <ms> milliseconds later,
// "rss-kb <n>" (its resident memory), then quits without the exit sequence.
//
// "quillora --version" prints the version and needs no display; any other arguments name a document.
//
// Testing hook: with QUILLORA_EXIT_NOTICE_HOLD_MS=<ms> set, the exit sequence stays busy that
// long (letting no events through) right after showing its notice, so that a test under a real
// X server can take a picture of the notice as the slow work finds it.
#include <QApplication>
#include <QDateTime>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "ProjectInfo.h"
#include "app/Application.h"
#include "app/FrameWindow.h"
#include "app/InterfaceLanguage.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsFile.h"
#include "widgets/ImmediateMnemonics.h"

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void InstallMeasuringHook(quillora::app::Application& app, int quitAfterMs) {
    QObject::connect(
        &app.Frame(), &quillora::app::FrameWindow::shown, &app,
        [quitAfterMs] {
            std::printf("frame-shown-epoch-ms %lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            QTimer::singleShot(quitAfterMs, [] {
                std::printf("rss-kb %ld\n", ResidentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        },
        Qt::SingleShotConnection);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("quillora %s\n", quillora::project::kVersion);
        return 0;
    }
    quillora::app::JapaneseDatesAtStart dates;
    QApplication qtApp(argc, argv);
    dates.Restore();
    const quillora::app::JapaneseInterface language;
    const quillora::widgets::ImmediateMnemonics mnemonics;
    quillora::app::StartupOptions options;
    options.programDir = quillora::settings::ProgramDirectory();
    options.settingsDir = quillora::settings::SettingsDirectory(options.programDir);
    options.arguments = QCoreApplication::arguments().mid(1);
    if (const char* hold = std::getenv("QUILLORA_EXIT_NOTICE_HOLD_MS")) options.exitNoticeHoldMs = std::atoi(hold);

    quillora::app::Application app(std::move(options));
    const char* measure = std::getenv("QUILLORA_MEASURE_STARTUP");
    if (measure) InstallMeasuringHook(app, std::atoi(measure));
    app.Start();
    QObject::connect(&app, &quillora::app::Application::exited, &qtApp, &QCoreApplication::quit);
    return qtApp.exec();
}
