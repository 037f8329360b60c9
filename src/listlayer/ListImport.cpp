#include "ListImport.h"

#include <QProgressDialog>
#include <filesystem>

#include "ListSlots.h"
#include "listimport/EntrySource.h"
#include "listimport/ImportNotice.h"
#include "listimport/ListEntries.h"
#include "listimport/ListFormats.h"
#include "workspace/Captions.h"

namespace quillora::listlayer {
namespace {

using listimport::SourceEntries;
using listimport::SourceStatus;
namespace caption = workspace::caption;

// A folder import shows its progress only when it takes longer than this.
constexpr int kProgressDelayMs = 500;

QString StartFolder(const workspace::Workspace& ws) {
    if (!ws.lastImportFolder.empty()) return QString::fromStdString(ws.lastImportFolder);
    if (ws.doc.currentFileName.empty()) return QString();
    return QString::fromStdString(std::filesystem::path(ws.doc.currentFileName).parent_path().string());
}

void Remember(workspace::Workspace& ws, const QString& source) {
    ws.lastImportFolder = std::filesystem::path(source.toStdString()).parent_path().string();
}

bool Import(workspace::Workspace& ws, QWidget* owner, const QString& source, const SourceEntries& read) {
    switch (read.status) {
    case SourceStatus::Ok: break;
    case SourceStatus::Cancelled: return false;
    case SourceStatus::CannotOpen:
        ws.interaction.ShowMessage(workspace::Warning(owner, QStringLiteral("\"%1\" を開けません。").arg(source)));
        return false;
    case SourceStatus::NoEntries:
        ws.interaction.ShowMessage(workspace::Warning(owner, QStringLiteral("\"%1\" にﾘｽﾄﾃﾞｰﾀがありません。").arg(source)));
        return false;
    }
    if (HasEntries(ws.doc.list) &&
        ws.interaction.ShowMessage({owner, QStringLiteral("現在のﾘｽﾄﾃﾞｰﾀを読み込んだﾃﾞｰﾀで置き換えます。よろしいですか？"),
                                    QString::fromUtf8(caption::kConfirm), workspace::MessageIcon::Question,
                                    workspace::MessageButtons::YesNo, workspace::Answer::No}) != workspace::Answer::Yes)
        return false;
    const listimport::ApplyResult result = listimport::ApplyEntries(ws.doc.list, read.entries);
    const QString notice = QString::fromStdString(listimport::ImportNotice(result)).trimmed();
    if (!notice.isEmpty()) ws.interaction.ShowMessage(workspace::Warning(owner, notice));
    return true;
}

}  // namespace

bool ImportListFile(workspace::Workspace& ws, QWidget* owner) {
    const std::optional<QString> path = ws.interaction.ChooseOpenFile(
        {owner, QStringLiteral("ﾘｽﾄﾃﾞｰﾀの読み込み"), QString::fromStdString(listimport::ListChooserFilter()),
         StartFolder(ws)});
    if (!path) return false;
    Remember(ws, *path);
    return Import(ws, owner, *path, listimport::ReadListFile(path->toStdString()));
}

bool ImportAudioFolder(workspace::Workspace& ws, QWidget* owner) {
    const std::optional<QString> folder =
        ws.interaction.ChooseFolder(owner, QStringLiteral("音楽ﾌｫﾙﾀﾞの選択"), StartFolder(ws));
    if (!folder) return false;
    Remember(ws, *folder);
    QProgressDialog progress(QStringLiteral("音楽ﾌｧｲﾙを読み込んでいます..."), QString::fromUtf8(caption::kCancel), 0, 0,
                             owner);
    progress.setWindowTitle(QStringLiteral("ﾘｽﾄﾃﾞｰﾀの読み込み"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoReset(false);
    // Each step lets the window's events through, so the program stays responsive between files.
    const SourceEntries read = listimport::ReadAudioFolder(folder->toStdString(), [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.close();
    return Import(ws, owner, *folder, read);
}

}  // namespace quillora::listlayer
