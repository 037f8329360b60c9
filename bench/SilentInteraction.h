#pragma once
// The benchmarks' user: answers every question with its default and shows nothing.
#include <QColor>
#include <QDialog>
#include <QString>
#include <optional>

#include "ui/Interaction.h"

namespace quillora::bench {

class SilentInteraction : public ui::Interaction {
public:
    ui::Answer ShowMessage(const ui::Message& message) override { return message.defaultButton; }
    void Beep() override {}
    std::optional<QString> ChooseOpenFile(const ui::FileChoice&) override { return std::nullopt; }
    std::optional<QString> ChooseSaveFile(const ui::FileChoice&) override { return std::nullopt; }
    std::optional<QColor> ChooseColour(QWidget*, const QColor&, bool) override { return std::nullopt; }
    std::optional<ui::FontChoice> ChooseFont(QWidget*, const ui::FontChoice&) override { return std::nullopt; }
    int RunDialog(QDialog&) override { return QDialog::Rejected; }
    bool RunPrintDialog(QPrinter&, QWidget*) override { return false; }
    bool RunPrinterSetup(QPrinter&, QWidget*) override { return false; }
};

}  // namespace quillora::bench
