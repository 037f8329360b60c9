#include "DocumentController.h"

#include <fstream>

#include "document/DocumentFile.h"
#include "text/Cp932.h"

namespace quillora::app {
namespace {

constexpr std::size_t kMaxPathBytes = 255;
const QString kQlrFilter = QStringLiteral("CDﾗﾍﾞﾙﾃﾞｰﾀ(*.qlr) (*.qlr *.QLR)");

QString DisplayPath(const std::string& stored) { return QString::fromStdString(text::StoredPathToUtf8(stored)); }

std::string StoredPath(const QString& utf8) { return text::Utf8PathToStored(utf8.toStdString()); }

bool CanRead(const std::string& utf8Path) { return std::ifstream(utf8Path, std::ios::binary).is_open(); }

}  // namespace

DocumentController::DocumentController(document::LabelDocument& doc, const settings::AppSettings& settings,
                                       workspace::Interaction& interaction, workspace::DocumentViews& views, DocumentHost& host)
    : doc_(doc), settings_(settings), interaction_(interaction), views_(views), host_(host) {}

void DocumentController::ShowError(const QString& text, workspace::MessageIcon icon, QWidget* owner) {
    interaction_.ShowMessage({owner ? owner : host_.DialogOwner(), text, kProductName, icon, workspace::MessageButtons::Ok,
                              workspace::Answer::Ok});
}

void DocumentController::ShowCannotOpen(const std::string& storedPath) {
    ShowError(QStringLiteral("\"%1\" を開けません。").arg(DisplayPath(storedPath)),
              workspace::MessageIcon::Exclamation);
}

void DocumentController::ShowFileInTitle() {
    host_.SetFrameTitle(kProductName + QStringLiteral(" - ") + DisplayPath(doc_.currentFileName));
}

void DocumentController::RefreshFloatingWindows() {
    views_.UpdateLayerScrollBar();
    views_.RepaintToolWindow();
    views_.RefreshLayerWindow(workspace::LayerWindowRegion::All);
}

bool DocumentController::NewDocument() {
    if (doc_.documentOpen || !host_.AskNewLabelSize()) return false;
    doc_.documentOpen = true;
    host_.SetAcceptDrops(false);
    doc_.Create(settings_.docDefaults);
    doc_.documentModified = false;
    host_.CreateDocumentWindow();
    RefreshFloatingWindows();
    return true;
}

std::optional<std::string> DocumentController::ChooseOpenFile() {
    if (doc_.documentOpen) return std::nullopt;
    const auto chosen = interaction_.ChooseOpenFile(
        {host_.DialogOwner(), QStringLiteral("ﾌｧｲﾙを開く"), kQlrFilter, DisplayPath(doc_.selectedFileName)});
    if (!chosen) return std::nullopt;
    return StoredPath(*chosen);
}

std::optional<std::string> DocumentController::ChooseSaveFile() {
    const auto chosen = interaction_.ChooseSaveFile(
        {host_.DialogOwner(), QStringLiteral("ﾌｧｲﾙを保存"), kQlrFilter, DisplayPath(doc_.currentFileName)});
    if (!chosen) return std::nullopt;
    return StoredPath(*chosen);
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

bool DocumentController::SaveTo(const std::string& storedPath) {
    const auto name = document::WithQlrExtension(storedPath);
    doc_.currentFileName = name ? *name : storedPath;
    // A name with no room left for the extension is refused like a file that cannot be created.
    if (!name || !document::WriteDocumentFile(text::StoredPathToUtf8(*name), doc_)) {
        ShowError(QStringLiteral("ﾌｧｲﾙの保存に失敗しました。"), workspace::MessageIcon::Exclamation);
        return false;
    }
    doc_.selectedFileName = doc_.currentFileName;
    ShowFileInTitle();
    doc_.documentModified = false;
    return true;
}

bool DocumentController::OpenDocument(const std::string& storedPath) {
    doc_.selectedFileName = storedPath;
    const std::string path = text::StoredPathToUtf8(storedPath);
    if (storedPath.size() > kMaxPathBytes || !CanRead(path)) {
        ShowCannotOpen(storedPath);
        return false;
    }
    QWidget* progress = host_.ShowProgress();
    const document::ReadResult result = document::ReadDocumentFile(path, doc_);
    if (result != document::ReadResult::Ok) {
        host_.HideProgress();
        if (result == document::ReadResult::CannotOpen)
            ShowCannotOpen(storedPath);
        else
            ShowError(QStringLiteral("読み込めないﾃﾞｰﾀ形式です。"), workspace::MessageIcon::Stop);
        return false;
    }
    for (const std::string& missing : host_.RebuildPictures()) {
        ShowError(QStringLiteral("%1\nを開くことができません。\n\n指定の画像ﾌｧｲﾙは、移動または削除された可能性があります。")
                      .arg(DisplayPath(missing)),
                  workspace::MessageIcon::Exclamation, progress);
    }
    host_.CreateDocumentWindow();
    doc_.documentOpen = true;
    doc_.documentModified = false;
    host_.SetAcceptDrops(false);
    doc_.currentFileName = storedPath;
    ShowFileInTitle();
    host_.HideProgress();
    RefreshFloatingWindows();
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
    host_.SetFrameTitle(kProductName);
    views_.RepaintToolWindow();
    views_.RefreshLayerWindow(workspace::LayerWindowRegion::All);
    return true;
}

}  // namespace quillora::app
