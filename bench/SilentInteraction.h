#pragma once
// The benchmarks' user: answers every question with its default and shows nothing.
#include <QColor>
#include <QDialog>
#include <QString>
#include <optional>

#include "workspace/Interaction.h"

namespace quillora::bench {

class SilentInteraction : public workspace::Interaction {
public:
    workspace::Answer ShowMessage(const workspace::Message& message) override { return message.defaultButton; }
    void Beep() override {}
    std::optional<QString> ChooseOpenFile(const workspace::FileChoice&) override { return std::nullopt; }
    std::optional<QString> ChooseSaveFile(const workspace::FileChoice&) override { return std::nullopt; }
    std::optional<QString> ChooseFolder(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QColor> ChooseColour(QWidget*, const QColor&, bool) override { return std::nullopt; }
    std::optional<workspace::FontChoice> ChooseFont(QWidget*, const workspace::FontChoice&) override { return std::nullopt; }
    int RunDialog(QDialog&) override { return QDialog::Rejected; }
    bool RunPrintDialog(QPrinter&, QWidget*) override { return false; }
    bool RunPrinterSetup(QPrinter&, QWidget*) override { return false; }
};

}  // namespace quillora::bench
