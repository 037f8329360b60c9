#pragma once
// The test side of the interaction seam: answers are queued beforehand and consumed in order,
// messages and beeps are recorded. A call with nothing queued for it fails the current test and
// answers Cancel (or nothing).
#include <QColor>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "workspace/Interaction.h"

class ScriptedInteraction : public quillora::workspace::Interaction {
public:
    using DialogScript = std::function<int(QDialog&)>;
    // Gets the printer the print dialog or printer setup was opened on; true confirms.
    using PrinterScript = std::function<bool(QPrinter&)>;

    void QueueAnswer(quillora::workspace::Answer answer) { answers_.push_back(answer); }
    void QueueOpenFile(std::optional<QString> path) { openFiles_.push_back(std::move(path)); }
    void QueueSaveFile(std::optional<QString> path) { saveFiles_.push_back(std::move(path)); }
    void QueueFolder(std::optional<QString> folder) { folders_.push_back(std::move(folder)); }
    void QueueColour(std::optional<QColor> colour) { colours_.push_back(std::move(colour)); }
    void QueueFont(std::optional<quillora::workspace::FontChoice> font) { fonts_.push_back(std::move(font)); }
    // The script gets the dialog shown (not modal), drives its widgets and returns
    // QDialog::Accepted or QDialog::Rejected.
    void QueueDialog(DialogScript script) { dialogs_.push_back(std::move(script)); }
    void QueuePrintDialog(PrinterScript script) { printDialogs_.push_back(std::move(script)); }
    void QueuePrinterSetup(PrinterScript script) { printerSetups_.push_back(std::move(script)); }

    // True when every queued answer has been used.
    bool AllConsumed() const;

    quillora::workspace::Answer ShowMessage(const quillora::workspace::Message& message) override;
    void Beep() override { ++beeps; }
    std::optional<QString> ChooseOpenFile(const quillora::workspace::FileChoice& choice) override;
    std::optional<QString> ChooseSaveFile(const quillora::workspace::FileChoice& choice) override;
    std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& initialFolder) override;
    std::optional<QColor> ChooseColour(QWidget* owner, const QColor& initial, bool fullOpen) override;
    std::optional<quillora::workspace::FontChoice> ChooseFont(QWidget* owner, const quillora::workspace::FontChoice& initial) override;
    int RunDialog(QDialog& dialog) override;
    bool RunPrintDialog(QPrinter& printer, QWidget* owner) override;
    bool RunPrinterSetup(QPrinter& printer, QWidget* owner) override;

    std::vector<quillora::workspace::Message> messages;
    std::vector<quillora::workspace::FileChoice> fileChoices;  // open and save, in order
    std::vector<QString> folderTitles;                   // the folder choosers' titles
    std::vector<QString> folderStarts;                   // the folders they opened in
    std::vector<bool> colourFullOpen;                    // whether each colour chooser opened in full
    std::vector<QColor> colourRequests;                  // the initial colours asked with
    std::vector<quillora::workspace::FontChoice> fontRequests;
    std::vector<QString> dialogTitles;                   // window titles of the dialogs run
    std::vector<QWidget*> printDialogOwners;              // print dialogs and printer setups, in order
    int beeps = 0;

private:
    std::deque<quillora::workspace::Answer> answers_;
    std::deque<std::optional<QString>> openFiles_;
    std::deque<std::optional<QString>> saveFiles_;
    std::deque<std::optional<QString>> folders_;
    std::deque<std::optional<QColor>> colours_;
    std::deque<std::optional<quillora::workspace::FontChoice>> fonts_;
    std::deque<DialogScript> dialogs_;
    std::deque<PrinterScript> printDialogs_;
    std::deque<PrinterScript> printerSetups_;
};
