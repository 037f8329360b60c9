#include "DocumentController.h"

#include "document/DocumentFile.h"
#include "print/PaperCodes.h"
#include "text/Cp932.h"
#include "workspace/Captions.h"
#include "document/Limits.h"

namespace quillora::app {
namespace {

// The chooser shows the description as the original gave it.
const QString kQlrFilter = QStringLiteral("CDﾗﾍﾞﾙﾃﾞｰﾀ(*.qlr) (*.qlr *.QLR)");

QString DisplayPath(const std::string& path) { return QString::fromStdString(path); }

// Whether a path fits the 255 bytes it takes stored (code page 932 where it can be).
bool FitsStored(const std::string& path) { return text::Utf8PathToStored(path).size() <= document::kStoredPathBytes; }

}  // namespace

DocumentController::DocumentController(document::LabelDocument& doc, const settings::AppSettings& settings,
                                       workspace::Interaction& interaction, DocumentHost& host,
                                       print::PrinterSelection& printer, history::EditHistory& history)
    : doc_(doc), settings_(settings), interaction_(interaction), host_(host), printer_(printer),
      history_(history) {}

void DocumentController::ShowError(const QString& text, workspace::MessageIcon icon, QWidget* owner) {
    interaction_.ShowMessage({owner ? owner : host_.DialogOwner(), text, QString::fromUtf8(workspace::caption::kProductName), icon, workspace::MessageButtons::Ok,
                              workspace::Answer::Ok});
}

void DocumentController::ShowCannotOpen(const std::string& path) {
    ShowError(QStringLiteral("\"%1\" を開けません。").arg(DisplayPath(path)),
              workspace::MessageIcon::Exclamation);
}

void DocumentController::ShowFileInTitle() {
    host_.SetFrameTitle(QString::fromUtf8(workspace::caption::kProductName) + QStringLiteral(" - ") + DisplayPath(doc_.currentFileName));
}

bool DocumentController::NewDocument() {
    if (doc_.documentOpen || !host_.AskNewLabelSize()) return false;
    doc_.documentOpen = true;
    host_.SetAcceptDrops(false);
    doc_.Create(settings_.docDefaults);
    doc_.documentModified = false;
    history_.Restart();
    host_.CreateDocumentWindow();
    doc_.AnnounceChange(document::ChangeScope::Whole);
    return true;
}

std::optional<std::string> DocumentController::ChooseOpenFile() {
    if (doc_.documentOpen) return std::nullopt;
    const auto chosen = interaction_.ChooseOpenFile(
        {host_.DialogOwner(), QStringLiteral("ﾌｧｲﾙを開く"), kQlrFilter, DisplayPath(doc_.selectedFileName)});
    if (!chosen) return std::nullopt;
    return chosen->toStdString();
}

std::optional<std::string> DocumentController::ChooseSaveFile() {
    const auto chosen = interaction_.ChooseSaveFile(
        {host_.DialogOwner(), QStringLiteral("ﾌｧｲﾙを保存"), kQlrFilter, DisplayPath(doc_.currentFileName)});
    if (!chosen) return std::nullopt;
    return chosen->toStdString();
}

bool DocumentController::SaveDocument() {
    if (!doc_.currentFileName.empty()) return SaveTo(doc_.currentFileName);
    const auto chosen = ChooseSaveFile();
    return chosen && SaveTo(*chosen);
}

bool DocumentController::SaveDocumentAs() {
    const auto chosen = ChooseSaveFile();
    return chosen && SaveTo(*chosen);
}

bool DocumentController::SaveTo(const std::string& path) {
    doc_.currentFileName = document::AddQlrExtension(path);
    // The file keeps the printer's paper and orientation.
    doc_.paper = print::PaperCodesOf(printer_);
    // A name with no room left for the extension is refused like a file that cannot be created.
    if (!FitsStored(doc_.currentFileName) || !document::WriteDocumentFile(doc_.currentFileName, doc_)) {
        ShowError(QStringLiteral("ﾌｧｲﾙの保存に失敗しました。"), workspace::MessageIcon::Exclamation);
        return false;
    }
    doc_.selectedFileName = doc_.currentFileName;
    ShowFileInTitle();
    doc_.documentModified = false;
    history_.MarkSaved();
    return true;
}

bool DocumentController::OpenDocument(const std::string& path) {
    doc_.selectedFileName = path;
    if (!FitsStored(path)) {
        ShowCannotOpen(path);
        return false;
    }
    QWidget* progress = host_.ShowProgress();
    // Anything but a readable regular file (a FIFO too) is refused without blocking.
    const document::ReadResult result = document::OpenDocumentFile(path, doc_);
    if (result != document::ReadResult::Ok) {
        host_.HideProgress();
        if (result == document::ReadResult::CannotOpen)
            ShowCannotOpen(path);
        else
            ShowError(QStringLiteral("読み込めないﾃﾞｰﾀ形式です。"), workspace::MessageIcon::Stop);
        return false;
    }
    print::ApplyPaperCodes(printer_, doc_.paper);
    for (const std::string& missing : host_.RebuildPictures()) {
        ShowError(QStringLiteral("%1\nを開くことができません。\n\n指定の画像ﾌｧｲﾙは、移動または削除された可能性があります。")
                      .arg(QString::fromStdString(text::StoredPathToUtf8(missing))),
                  workspace::MessageIcon::Exclamation, progress);
    }
    host_.CreateDocumentWindow();
    doc_.documentOpen = true;
    doc_.documentModified = false;
    history_.Restart();
    host_.SetAcceptDrops(false);
    doc_.currentFileName = path;
    ShowFileInTitle();
    host_.HideProgress();
    doc_.AnnounceChange(document::ChangeScope::Whole);
    return true;
}

bool DocumentController::CloseDocument() {
    if (doc_.documentModified) {
        const workspace::Answer answer = interaction_.ShowMessage(
            {host_.DialogOwner(), QStringLiteral("編集中のﾄﾞｷｭﾒﾝﾄは更新されています。保存しますか？"),
             QStringLiteral("保存の確認"), workspace::MessageIcon::Question, workspace::MessageButtons::YesNoCancel,
             workspace::Answer::Yes});
        if (answer == workspace::Answer::Cancel) return false;
        if (answer == workspace::Answer::Yes && !SaveDocument()) return false;
    }
    host_.DestroyDocumentWindow();
    host_.ClearPositionReadout();
    host_.SetAcceptDrops(true);
    doc_.Reset();
    history_.Restart();
    host_.SetFrameTitle(QString::fromUtf8(workspace::caption::kProductName));
    doc_.AnnounceChange(document::ChangeScope::Whole);
    return true;
}

}  // namespace quillora::app
