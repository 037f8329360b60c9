#pragma once
// New, open, save and close of the one label document, with their questions and messages.
#include "app/DocumentHost.h"
#include "document/LabelDocument.h"
#include "settings/AppSettings.h"
#include "workspace/DocumentViews.h"
#include "workspace/Interaction.h"

namespace quillora::app {

inline const QString kProductName = QStringLiteral("Quillora");

class DocumentController {
public:
    DocumentController(document::LabelDocument& doc, const settings::AppSettings& settings,
                       workspace::Interaction& interaction, workspace::DocumentViews& views, DocumentHost& host);

    bool NewDocument();
    // The open dialog; false at once while a document is open. On OK the choice is selectedFileName.
    bool ChooseOpenFile();
    // The save dialog; on OK the choice is currentFileName.
    bool ChooseSaveFile();
    bool SaveDocument();
    bool SaveDocumentAs();
    // Opens selectedFileName.
    bool OpenDocument();
    // Asks to save a modified document, then discards it; false when the user cancelled or the
    // save failed. Runs (and succeeds) without a document too.
    bool CloseDocument();

private:
    void ShowError(const QString& text, workspace::MessageIcon icon, QWidget* owner = nullptr);
    // "<file> cannot be opened" for selectedFileName.
    void ShowCannotOpen();
    // "Quillora - <currentFileName>".
    void ShowFileInTitle();
    void RefreshFloatingWindows();

    document::LabelDocument& doc_;
    const settings::AppSettings& settings_;
    workspace::Interaction& interaction_;
    workspace::DocumentViews& views_;
    DocumentHost& host_;
};

}  // namespace quillora::app
