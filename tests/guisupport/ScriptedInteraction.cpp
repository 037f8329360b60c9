#include "ScriptedInteraction.h"

#include <QDialog>
#include <gtest/gtest.h>

using quillora::workspace::Answer;

namespace {

// Moves the next queued answer into `out`; false (and a test failure) when none is queued.
template <typename T>
bool Take(std::deque<T>& queue, T& out, const char* what, const QString& detail = QString()) {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what << (detail.isEmpty() ? "" : ": ") << detail.toStdString();
        return false;
    }
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}

}  // namespace

bool ScriptedInteraction::AllConsumed() const {
    return answers_.empty() && openFiles_.empty() && saveFiles_.empty() && folders_.empty() && colours_.empty() &&
           fonts_.empty() && dialogs_.empty() && printDialogs_.empty() && printerSetups_.empty();
}

Answer ScriptedInteraction::ShowMessage(const quillora::workspace::Message& message) {
    messages.push_back(message);
    Answer answer = Answer::Cancel;
    Take(answers_, answer, "message box", message.text);
    return answer;
}

std::optional<QString> ScriptedInteraction::ChooseOpenFile(const quillora::workspace::FileChoice& choice) {
    fileChoices.push_back(choice);
    std::optional<QString> path;
    Take(openFiles_, path, "open-file chooser");
    return path;
}

std::optional<QString> ScriptedInteraction::ChooseSaveFile(const quillora::workspace::FileChoice& choice) {
    fileChoices.push_back(choice);
    std::optional<QString> path;
    Take(saveFiles_, path, "save-file chooser");
    return path;
}

std::optional<QString> ScriptedInteraction::ChooseFolder(QWidget*, const QString& title, const QString& initialFolder) {
    folderTitles.push_back(title);
    folderStarts.push_back(initialFolder);
    std::optional<QString> folder;
    Take(folders_, folder, "folder chooser", title);
    return folder;
}

std::optional<QColor> ScriptedInteraction::ChooseColour(QWidget*, const QColor& initial, bool fullOpen) {
    colourRequests.push_back(initial);
    colourFullOpen.push_back(fullOpen);
    std::optional<QColor> colour;
    Take(colours_, colour, "colour chooser");
    return colour;
}

std::optional<quillora::workspace::FontChoice> ScriptedInteraction::ChooseFont(QWidget*,
                                                                         const quillora::workspace::FontChoice& initial) {
    fontRequests.push_back(initial);
    std::optional<quillora::workspace::FontChoice> font;
    Take(fonts_, font, "font chooser");
    return font;
}

int ScriptedInteraction::RunDialog(QDialog& dialog) {
    dialogTitles.push_back(dialog.windowTitle());
    DialogScript script;
    if (!Take(dialogs_, script, "dialog", dialog.windowTitle())) return QDialog::Rejected;
    dialog.show();
    const int result = script(dialog);
    dialog.hide();
    return result;
}

bool ScriptedInteraction::RunPrintDialog(QPrinter& printer, QWidget* owner) {
    printDialogOwners.push_back(owner);
    PrinterScript script;
    return Take(printDialogs_, script, "print dialog") && script(printer);
}

bool ScriptedInteraction::RunPrinterSetup(QPrinter& printer, QWidget* owner) {
    printDialogOwners.push_back(owner);
    PrinterScript script;
    return Take(printerSetups_, script, "printer setup") && script(printer);
}
