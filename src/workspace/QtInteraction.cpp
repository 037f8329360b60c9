#include "workspace/QtInteraction.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <cmath>

#include "workspace/MessageBoxBuilder.h"
#include "workspace/QtPrintDialogs.h"

namespace quillora::workspace {

Answer QtInteraction::ShowMessage(const Message& message) {
    BuiltMessageBox built = BuildMessageBox(message);
    // Modal to its owner only, so the floating windows stay live as they do beside any dialog.
    if (message.owner) built.box->setWindowModality(Qt::WindowModal);
    built.box->exec();
    return built.AnswerOf(built.box->clickedButton());
}

void QtInteraction::Beep() { QApplication::beep(); }

// The filters show their descriptions only ("CDﾗﾍﾞﾙﾃﾞｰﾀ(*.qlr)"), as the program names them.
constexpr QFileDialog::Options kFileOptions = QFileDialog::HideNameFilterDetails;

std::optional<QString> QtInteraction::ChooseOpenFile(const FileChoice& choice) {
    const QString path =
        QFileDialog::getOpenFileName(choice.owner, choice.title, choice.initialPath, choice.filter, nullptr, kFileOptions);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtInteraction::ChooseSaveFile(const FileChoice& choice) {
    const QString path =
        QFileDialog::getSaveFileName(choice.owner, choice.title, choice.initialPath, choice.filter, nullptr, kFileOptions);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtInteraction::ChooseFolder(QWidget* owner, const QString& title, const QString& initialFolder) {
    const QString folder = QFileDialog::getExistingDirectory(owner, title, initialFolder);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

std::optional<QColor> QtInteraction::ChooseColour(QWidget* owner, const QColor& initial, bool /*fullOpen*/) {
    // Qt's colour dialog always shows its full form.
    const QColor colour = QColorDialog::getColor(initial, owner);
    if (!colour.isValid()) return std::nullopt;
    return colour;
}

std::optional<FontChoice> QtInteraction::ChooseFont(QWidget* owner, const FontChoice& initial) {
    QFont font(initial.face);
    font.setPointSizeF(initial.pointSizeTenths / 10.0);
    if (initial.weight != 0) font.setWeight(QFont::Weight(initial.weight));
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    font.setStrikeOut(initial.strikeOut);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, owner);
    if (!ok) return std::nullopt;
    FontChoice result;
    result.face = chosen.family();
    result.pointSizeTenths = int(std::lround(chosen.pointSizeF() * 10));
    result.weight = chosen.weight();
    result.italic = chosen.italic();
    result.underline = chosen.underline();
    result.strikeOut = chosen.strikeOut();
    return result;
}

int QtInteraction::RunDialog(QDialog& dialog) {
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

bool QtInteraction::RunPrintDialog(QPrinter& printer, QWidget* owner) {
    QtPrintDialogs keep(printer);
    QPrintDialog dialog(&printer, owner);
    // One page, always the whole label: no selection, page ranges or current page.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return false;
    keep.Confirm();
    return true;
}

bool QtInteraction::RunPrinterSetup(QPrinter& printer, QWidget* owner) {
    QtPrintDialogs keep(printer);
    QPageSetupDialog dialog(&printer, owner);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) return false;
    keep.Confirm();
    return true;
}

}  // namespace quillora::workspace
