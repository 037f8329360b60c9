#include "exporting/ExportLabel.h"

#include <QDir>
#include <QFileInfo>

#include "exporting/ExportDialog.h"
#include "exporting/LabelFile.h"
#include "widgets/WaitCursor.h"
#include "workspace/Captions.h"

namespace quillora::exporting {
namespace {

struct FormatFile {
    const char* extension;
    const char* filter;
};

FormatFile FileOf(ExportFormat format) {
    if (format == ExportFormat::Pdf) return {".pdf", "PDFﾌｧｲﾙ(*.pdf) (*.pdf *.PDF)"};
    return {".png", "PNG画像(*.png) (*.png *.PNG)"};
}

// Beside the label's file under its name, when it has one.
QString InitialPath(const document::LabelDocument& doc, const FormatFile& file) {
    if (doc.currentFileName.empty()) return {};
    const QFileInfo label(QString::fromStdString(doc.currentFileName));
    return label.dir().filePath(label.completeBaseName() + QString::fromUtf8(file.extension));
}

// The extension is added unless the name already ends in it, in lower case, as saving does.
QString WithExtension(const QString& path, const FormatFile& file) {
    const QString extension = QString::fromUtf8(file.extension);
    return path.endsWith(extension) ? path : path + extension;
}

}  // namespace

void ExportLabel(workspace::Workspace& ws) {
    ExportDialog dialog(ws.settings, ws.frame);
    if (ws.interaction.RunDialog(dialog) != QDialog::Accepted) return;
    const ExportFormat format = StoredFormat(ws.settings);
    const FormatFile file = FileOf(format);
    const auto chosen = ws.interaction.ChooseSaveFile(
        {ws.frame, QString::fromUtf8("ｴｸｽﾎﾟｰﾄ"), QString::fromUtf8(file.filter), InitialPath(ws.doc, file)});
    if (!chosen) return;
    const QString path = WithExtension(*chosen, file);
    bool written = false;
    {
        widgets::WaitCursor wait;
        written = WriteLabelFile(ws.doc, format, StoredDpi(ws.settings), path.toStdString());
    }
    if (!written)
        ws.interaction.ShowMessage(workspace::Warning(ws.frame, QString::fromUtf8(workspace::caption::kCannotWrite).arg(path)));
}

}  // namespace quillora::exporting
