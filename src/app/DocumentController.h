#pragma once
// New, open, save and close of the one label document, with their questions and messages.
#include <optional>
#include <string>

#include "app/DocumentHost.h"
#include "document/LabelDocument.h"
#include "history/EditHistory.h"
#include "print/PrinterSelection.h"
#include "settings/AppSettings.h"
#include "workspace/Interaction.h"

namespace quillora::app {

class DocumentController {
public:
    DocumentController(document::LabelDocument& doc, const settings::AppSettings& settings,
                       workspace::Interaction& interaction, DocumentHost& host,
                       print::PrinterSelection& printer, history::EditHistory& history);

    bool NewDocument();
    // The open dialog, starting from the last used file; nothing at once while a document is open.
    std::optional<std::string> ChooseOpenFile();
    // The save dialog, starting from the document's file.
    std::optional<std::string> ChooseSaveFile();
    // Saves to the document's file, asking for one first when it has none.
    bool SaveDocument();
    bool SaveDocumentAs();
    // Opens a file and remembers it as the last used file.
    bool OpenDocument(const std::string& path);
    // Asks to save a modified document, then discards it; false when the user cancelled or the
    // save failed. Runs (and succeeds) without a document too.
    bool CloseDocument();

private:
    void ShowError(const QString& text, workspace::MessageIcon icon, QWidget* owner = nullptr);
    // "<file> cannot be opened".
    void ShowCannotOpen(const std::string& path);
    bool SaveTo(const std::string& path);
    // "Quillora - <currentFileName>".
    void ShowFileInTitle();

    document::LabelDocument& doc_;
    const settings::AppSettings& settings_;
    workspace::Interaction& interaction_;
    DocumentHost& host_;
    print::PrinterSelection& printer_;
    history::EditHistory& history_;
};

}  // namespace quillora::app
