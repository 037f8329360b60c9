#pragma once
// A Quillora program run against a temporary settings folder and scripted answers.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

#include "EnsureApplication.h"
#include "ScriptedInteraction.h"
#include "TempDir.h"
#include "WidgetLookup.h"
#include "app/Application.h"
#include "app/FrameWindow.h"
#include "commands/CommandId.h"
#include "commands/CommandRegistry.h"
#include "document/DocumentFile.h"
#include "document/LabelDocument.h"
#include "widgets/NumberField.h"
#include "windows/NewLabelSizeDialog.h"

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }

    void TearDown() override {
        app.reset();
        EXPECT_TRUE(interaction.AllConsumed());
    }

    // First stage only; the settings folder is the temporary folder.
    void Launch(const QStringList& arguments = {}) {
        app.reset();
        quillora::app::StartupOptions options;
        options.programDir = dir.Path();
        options.settingsDir = dir.Path();
        options.arguments = arguments;
        options.interaction = &interaction;
        options.runTimer = false;
        app = std::make_unique<quillora::app::Application>(options);
        app->Start();
    }

    // Both stages of a start that is not the first, without tips.
    void LaunchQuietly(const QStringList& arguments = {}) {
        Launch(arguments);
        app->Settings().firstRun = 0;
        app->Settings().showTipsAtStart = 0;
        app->RunSecondStage();
    }

    // Answers the new-document dialog with two typed diameters.
    void QueueNewLabelSize(const QString& outer, const QString& inner) {
        interaction.QueueDialog([outer, inner](QDialog& dialog) {
            FindChild<quillora::widgets::NumberField>(dialog, quillora::windows::new_label_id::kOuter).Edit()->setText(outer);
            FindChild<quillora::widgets::NumberField>(dialog, quillora::windows::new_label_id::kInner).Edit()->setText(inner);
            dialog.accept();
            return dialog.result();
        });
    }

    // Closes the next dialog as its Cancel or close box would.
    void QueueCancelledDialog() {
        interaction.QueueDialog([](QDialog& dialog) {
            dialog.reject();
            return dialog.result();
        });
    }

    void NewDocument(const QString& outer = "120", const QString& inner = "30") {
        QueueNewLabelSize(outer, inner);
        app->Commands().RunIfEnabled(quillora::commands::CommandId::New);
    }

    // Writes a new label of the given diameters to `path`; `addLayers` may fill it first.
    static bool WriteLabelFile(const std::string& path, int outer, int inner,
                               const std::function<void(quillora::document::LabelDocument&)>& addLayers = {}) {
        quillora::document::LabelDocument doc;
        doc.header.outerDiameter = outer;
        doc.header.innerDiameter = inner;
        doc.Create({});
        if (addLayers) addLayers(doc);
        return quillora::document::WriteDocumentFile(path, doc);
    }

    bool Enabled(quillora::commands::CommandId id) const { return app->Commands().Action(id)->isEnabled(); }

    TempDir dir;
    ScriptedInteraction interaction;
    std::unique_ptr<quillora::app::Application> app;
};
