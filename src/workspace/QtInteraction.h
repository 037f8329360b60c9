#pragma once
// The program's side of the interaction seam: real message boxes and choosers.
#include "workspace/Interaction.h"

namespace quillora::workspace {

class QtInteraction : public Interaction {
public:
    Answer ShowMessage(const Message& message) override;
    void Beep() override;
    std::optional<QString> ChooseOpenFile(const FileChoice& choice) override;
    std::optional<QString> ChooseSaveFile(const FileChoice& choice) override;
    std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& initialFolder) override;
    std::optional<QColor> ChooseColour(QWidget* owner, const QColor& initial, bool fullOpen) override;
    std::optional<FontChoice> ChooseFont(QWidget* owner, const FontChoice& initial) override;
    int RunDialog(QDialog& dialog) override;
    bool RunPrintDialog(QPrinter& printer, QWidget* owner) override;
    bool RunPrinterSetup(QPrinter& printer, QWidget* owner) override;
};

}  // namespace quillora::workspace
