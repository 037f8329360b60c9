#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QTest>

#include "AppFixture.h"
#include "EnsureApplication.h"
#include "app/InterfaceLanguage.h"
#include "app/WindowArrangement.h"
#include "windows/ToolButton.h"
#include "windows/ToolWindow.h"

using namespace quillora;
using Answer = workspace::Answer;

namespace {

const QString kAssociationQuestion = QStringLiteral(
    "Quilloraで作成するﾃﾞｰﾀﾌｧｲﾙ（*.qlr）を、Quilloraに関連付けます。\n関連付けの設定・解除は後から自由に行えます。"
    "\n\nここで、関連付けの設定を行ってもよろしいですか？");

// A "Key = value" line of the settings file, or empty.
std::string IniValue(const std::string& file, const std::string& section, const std::string& key) {
    const std::string text = ReadWholeFile(file);
    const std::size_t start = text.find("[" + section + "]");
    if (start == std::string::npos) return {};
    const std::size_t line = text.find("\n" + key + " = ", start);
    if (line == std::string::npos) return {};
    const std::size_t value = line + key.size() + 4;
    return text.substr(value, text.find_first_of("\r\n", value) - value);
}

}  // namespace

using Startup = AppFixture;

TEST_F(Startup, FirstRunCentresTheFrameStacksTheWindowsAndAsksAboutTheAssociationOnce) {
    Launch();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // The platform may shift the inner rectangle by its frame margins; the centre stays put.
    EXPECT_EQ(app->Frame().size(), QSize(800, 600));
    EXPECT_NEAR(app->Frame().geometry().left(), (screen.width() - 800) / 2, 2);
    EXPECT_NEAR(app->Frame().geometry().top(), (screen.height() - 600) / 2, 2);
    EXPECT_TRUE(app->Frame().isVisible());
    EXPECT_EQ(app->Frame().windowTitle(), QStringLiteral("Quillora"));
    // Before the timer stage: no floating windows, no drops.
    EXPECT_EQ(app->ToolWindow(), nullptr);
    EXPECT_FALSE(app->Frame().DropsAccepted());

    interaction.QueueAnswer(Answer::No);
    QueueCancelledDialog();  // the tips
    app->RunSecondStage();
    ASSERT_EQ(interaction.messages.size(), 1u);
    EXPECT_EQ(interaction.messages[0].text, kAssociationQuestion);
    EXPECT_EQ(interaction.messages[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(interaction.messages[0].icon, workspace::MessageIcon::Question);
    EXPECT_EQ(interaction.messages[0].buttons, workspace::MessageButtons::YesNo);
    EXPECT_EQ(interaction.dialogTitles.size(), 1u);  // the tips
    EXPECT_EQ(app->Settings().firstRun, 0);

    // Stacked at the top-right corner of the frame's client area.
    QWidget* tool = app->ToolWindow();
    QWidget* position = app->PositionWindow();
    ASSERT_TRUE(tool && position);
    EXPECT_TRUE(tool->isVisible());
    EXPECT_TRUE(position->isVisible());
    const QPoint corner = app->Frame().ClientTopRight();
    EXPECT_EQ(tool->pos(), QPoint(corner.x() - 200, corner.y()));
    EXPECT_EQ(position->pos(), QPoint(corner.x() - 200, corner.y() + tool->frameGeometry().height()));
    EXPECT_TRUE(app->Frame().DropsAccepted());

    ASSERT_TRUE(app->Exit());
    const std::string ini = dir.File("quillora.ini");
    EXPECT_EQ(IniValue(ini, "Flags", "First"), "0");
    EXPECT_EQ(IniValue(ini, "ToolWindow", "PosX"), std::to_string(corner.x() - 200));

    // Second run: no question (an unexpected message would fail the test), tips again.
    QueueCancelledDialog();  // the tips
    Launch();
    EXPECT_EQ(app->Frame().size(), QSize(800, 600));
    app->RunSecondStage();
    EXPECT_EQ(interaction.messages.size(), 1u);
    EXPECT_EQ(app->ToolWindow()->pos(), QPoint(corner.x() - 200, corner.y()));
}

TEST_F(Startup, HiddenWindowsTakeNoPlaceAndCloseBoxesClearTheirFlags) {
    LaunchQuietly();
    app->ToolWindow()->close();  // its close box
    EXPECT_EQ(app->Settings().toolWindow.view, 0);
    EXPECT_FALSE(app->Commands().Action(quillora::commands::CommandId::ToolWindow)->isChecked());
    app->Commands().RunIfEnabled(quillora::commands::CommandId::ArrangeWindows);
    EXPECT_EQ(app->PositionWindow()->pos(), app->Frame().ClientTopRight() - QPoint(200, 0));

    app->Commands().RunIfEnabled(quillora::commands::CommandId::ToolWindow);
    EXPECT_TRUE(app->ToolWindow()->isVisible());
    EXPECT_EQ(app->Settings().toolWindow.view, 1);

    // With "Dress" set, resizing the frame takes the windows along.
    app->Settings().autoArrange = 1;
    app->Frame().resize(700, 500);
    EXPECT_EQ(app->ToolWindow()->pos(), app->Frame().ClientTopRight() - QPoint(200, 0));
}

// Arranging from a sheet's Apply moves the windows and leaves the keys with the sheet.
TEST_F(Startup, ArrangingWhileAModalSheetIsOpenKeepsTheSheetActive) {
    LaunchQuietly();
    QDialog sheet(&app->Frame());
    sheet.setModal(true);
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    app->Commands().RunIfEnabled(quillora::commands::CommandId::ArrangeWindows);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &sheet);
    EXPECT_EQ(app->PositionWindow()->pos().x(), app->Frame().ClientTopRight().x() - 200);
}

TEST_F(Startup, LayerWindowJoinsTheStackBelowTheOthers) {
    Launch();
    app->Settings().firstRun = 0;
    app->Settings().showTipsAtStart = 0;
    app->RunSecondStage();
    QWidget* layerWindow = app->LayerWindow();
    ASSERT_NE(layerWindow, nullptr);
    EXPECT_TRUE(layerWindow->isVisible());

    app->Commands().RunIfEnabled(quillora::commands::CommandId::ArrangeWindows);
    const QPoint corner = app->Frame().ClientTopRight();
    EXPECT_EQ(layerWindow->pos().y(), corner.y() + app->ToolWindow()->frameGeometry().height() +
                                          app->PositionWindow()->frameGeometry().height());
    app->Commands().RunIfEnabled(quillora::commands::CommandId::LayerWindow);
    EXPECT_FALSE(layerWindow->isVisible());
    EXPECT_EQ(app->Settings().layerWindow.view, 0);
}

TEST_F(Startup, CommandLineWithSpacesOpensThatDocument) {
    const std::string path = dir.File("my label.qlr");
    ASSERT_TRUE(WriteLabelFile(path, 80, 20));
    LaunchQuietly({QString::fromStdString(dir.File("my")), QStringLiteral("label.qlr")});
    ASSERT_TRUE(app->Doc().documentOpen);
    EXPECT_EQ(app->Doc().currentFileName, path);
    EXPECT_EQ(app->DocumentWindow()->windowTitle(), QStringLiteral("ﾗﾍﾞﾙ [外径80mm：内径20mm]"));
    EXPECT_FALSE(app->Frame().DropsAccepted());
}

TEST_F(Startup, OverlongCommandLineIsRefusedAsUnopenable) {
    const QString path = QString::fromStdString(dir.Path() + "/") + QString(300, 'x');
    interaction.QueueAnswer(Answer::Ok);
    LaunchQuietly({path});
    ASSERT_EQ(interaction.messages.size(), 1u);
    EXPECT_EQ(interaction.messages[0].text, QStringLiteral("\"%1\" を開けません。").arg(path));
    EXPECT_FALSE(app->Doc().documentOpen);
    EXPECT_TRUE(app->Frame().DropsAccepted());
}

TEST_F(Startup, ExitCancelledAtTheSaveQuestionKeepsEverything) {
    LaunchQuietly();
    NewDocument();
    app->Doc().documentModified = true;
    interaction.QueueAnswer(Answer::Cancel);
    app->Frame().close();  // the frame's close box runs the exit sequence
    EXPECT_TRUE(app->Frame().isVisible());
    EXPECT_TRUE(app->Doc().documentOpen);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.File("quillora.ini"))));

    interaction.QueueAnswer(Answer::No);
    app->Frame().close();
    EXPECT_FALSE(app->Frame().isVisible());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.File("quillora.ini"))));
}

TEST_F(Startup, ExitWritesTheRestoredPlaceOfAMaximisedFrame) {
    LaunchQuietly();
    app->Frame().setGeometry(40, 30, 640, 480);
    app->Frame().showMaximized();
    app->Commands().RunIfEnabled(quillora::commands::CommandId::Exit);
    ASSERT_FALSE(app->Frame().isVisible());
    const std::string ini = dir.File("quillora.ini");
    EXPECT_EQ(IniValue(ini, "FrameWindow", "Max"), "1");
    EXPECT_EQ(IniValue(ini, "FrameWindow", "PosX"), "40");
    EXPECT_EQ(IniValue(ini, "FrameWindow", "PosY"), "30");
    EXPECT_EQ(IniValue(ini, "FrameWindow", "SizeW"), "640");
    EXPECT_EQ(IniValue(ini, "FrameWindow", "SizeH"), "480");

    Launch();
    EXPECT_TRUE(app->Frame().isMaximized());
    EXPECT_EQ(app->Frame().normalGeometry(), QRect(40, 30, 640, 480));
}

TEST_F(Startup, FloatingWindowsStayLiveWhileADialogIsModalToTheFrame) {
    LaunchQuietly();
    windows::ToolButton* newButton = static_cast<windows::ToolWindow*>(app->ToolWindow())->Button(windows::ToolWindow::kNewId);
    ASSERT_NE(newButton, nullptr);

    QDialog blocker(&app->Frame());
    blocker.setWindowModality(Qt::WindowModal);
    blocker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&blocker));

    // A click through the window system reaches the tool window despite the modal dialog.
    QueueNewLabelSize("120", "30");
    const QPoint centre = newButton->mapTo(app->ToolWindow(), newButton->rect().center());
    QTest::mouseClick(app->ToolWindow()->windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(app->Doc().documentOpen);
    blocker.hide();

    // While an editing dialog is open the buttons only beep.
    app->Flags().textDialogOpen = true;
    const int beeps = interaction.beeps;
    windows::ToolButton* saveButton = static_cast<windows::ToolWindow*>(app->ToolWindow())->Button(windows::ToolWindow::kSaveId);
    QTest::mouseClick(app->ToolWindow()->windowHandle(), Qt::LeftButton, {},
                      saveButton->mapTo(app->ToolWindow(), saveButton->rect().center()));
    EXPECT_EQ(interaction.beeps, beeps + 1);
    app->Flags().textDialogOpen = false;
}

TEST_F(Startup, ADialogOpenedDuringTheSplashEndsItAndItsWaitCursor) {
    Launch();
    const auto splashShown = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("SplashWindow") && w->isVisible()) return true;
        return false;
    };
    ASSERT_TRUE(splashShown());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    bool splashUnderDialog = true;
    const QCursor* cursorOverDialog = nullptr;
    interaction.QueueDialog([&](QDialog& dialog) {
        dialog.show();
        splashUnderDialog = splashShown();
        cursorOverDialog = QApplication::overrideCursor();
        dialog.reject();
        return dialog.result();
    });
    app->Commands().RunIfEnabled(commands::CommandId::New);
    EXPECT_FALSE(splashUnderDialog);
    EXPECT_EQ(cursorOverDialog, nullptr);
    // The second stage finds it gone and restores no cursor twice.
    app->Settings().showTipsAtStart = 0;
    interaction.QueueAnswer(Answer::No);
    app->RunSecondStage();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(FramesKnown, OnlyShownWindowsInTheStackAreWaitedFor) {
    EnsureApplication();
    QWidget hidden;
    const app::FloatingWindow notInStack[] = {{&hidden, false}, {nullptr, true}};
    EXPECT_TRUE(app::FramesKnown(notInStack));  // nothing to wait for
    const app::FloatingWindow waiting[] = {{&hidden, true}};
    EXPECT_FALSE(app::FramesKnown(waiting));  // not shown yet: no frame can be known
}

TEST_F(Startup, ExitingDuringTheSplashRunsNoStartUpStep) {
    quillora::app::StartupOptions options;
    options.programDir = dir.Path();
    options.settingsDir = dir.Path();
    options.interaction = &interaction;
    app = std::make_unique<quillora::app::Application>(options);  // with its timer
    app->Start();
    ASSERT_TRUE(app->Exit());
    // A second stage after the exit began (while the notice waits for the screen, or later) would
    // ask the first-run question (an unexpected message) and make the floating windows.
    QTest::qWait(quillora::app::Application::kSecondStageDelayMs + 200);
    EXPECT_EQ(app->ToolWindow(), nullptr);
    EXPECT_TRUE(interaction.messages.empty());
}

// Whatever the system's locale, Qt's own dialogs show Japanese words, sizes and dates; the
// numbers the program writes stay plain.
TEST(InterfaceLanguage, IsJapaneseForQtsOwnDialogsOnly) {
    EnsureApplication();
    const QLocale before = QLocale();
    QLocale::setDefault(QLocale::c());
    {
        const app::JapaneseInterface language;
        EXPECT_EQ(QLocale().language(), QLocale::Japanese);
        EXPECT_EQ(QWidget().locale().language(), QLocale::Japanese);
        EXPECT_EQ(QLocale().toString(QDate(2026, 12, 8), QLocale::ShortFormat), QStringLiteral("2026/12/08"));
        EXPECT_EQ(QString::number(1234.5), QStringLiteral("1234.5"));
        // Qt's translation and the strings it lacks alike.
        for (const auto& [context, source] : {std::pair{"QFileDialog", "Folder"}, {"QAbstractFileIconProvider", "Folder"},
                                              {"QPrintSettingsOutput", "Pages"}, {"QPrintPropertiesWidget", "Advanced"}})
            EXPECT_NE(QCoreApplication::translate(context, source), QLatin1String(source)) << context;
    }
    QLocale::setDefault(before);
}

// While the application is made, the time category alone is Japanese; afterwards the user's
// environment is back as it was.
TEST(InterfaceLanguage, DatesAreJapaneseWhileStartingAndTheUsersLocaleIsBackAfter) {
    const auto value = [](const char* name) { return std::string(std::getenv(name) ? std::getenv(name) : "-"); };
    const std::string all = value("LC_ALL"), lang = value("LANG"), time = value("LC_TIME");
    ::setenv("LC_ALL", "en_GB.UTF-8", 1);
    ::unsetenv("LC_TIME");
    app::JapaneseDatesAtStart dates;
    EXPECT_EQ(value("LC_TIME"), "ja_JP.UTF-8");
    EXPECT_EQ(value("LC_ALL"), "-");
    EXPECT_EQ(value("LANG"), "en_GB.UTF-8");
    dates.Restore();
    EXPECT_EQ(value("LC_ALL"), "en_GB.UTF-8");
    EXPECT_EQ(value("LC_TIME"), "-");
    for (const auto& [name, saved] : {std::pair{"LC_ALL", all}, {"LANG", lang}, {"LC_TIME", time}})
        saved == "-" ? ::unsetenv(name) : ::setenv(name, saved.c_str(), 1);
}
