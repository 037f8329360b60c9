#include "desktop/FileAssociation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "resources/Resources.h"

namespace quillora::desktop {
namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kToolTimeoutMs = 10000;
// The association's files have names of their own, apart from those `cmake --install` puts in
// place, so that removing the association never deletes an installed file.
const QString kMimePackage = QStringLiteral("mime/packages/quillora-association-qlr.xml");
const QString kDesktopEntry = QStringLiteral("applications/quillora-association.desktop");
const QString kAppIcon = QStringLiteral("quillora-association");
const QString kDocumentIcon = QStringLiteral("quillora-association-label");

QString AppIconFile(int size) { return QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppIcon); }

QString MimeIconFile(int size) {
    return QStringLiteral("icons/hicolor/%1x%1/mimetypes/%2.png").arg(size).arg(kDocumentIcon);
}

QByteArray ResourceBytes(const QString& name) {
    resources::EnsureResources();
    QFile file(QStringLiteral(":/quillora/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The installed MIME package with the document icon under the association's own name.
QByteArray MimePackage() {
    QString package = QString::fromUtf8(ResourceBytes(QStringLiteral("desktop/quillora-qlr.xml")));
    package.replace(QStringLiteral("<icon name=\"application-x-quillora-label\"/>"),
                    QStringLiteral("<icon name=\"%1\"/>").arg(kDocumentIcon));
    return package.toUtf8();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

// Rebuilds a desktop database or cache when the tool is installed; its outcome does not matter.
void RunIfPresent(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty() || !QDir(folder).exists()) return;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {folder});
    if (process.waitForStarted(kToolTimeoutMs) && !process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

void RefreshDatabases(const QString& home) {
    RunIfPresent(QStringLiteral("update-mime-database"), home + QStringLiteral("/mime"));
    RunIfPresent(QStringLiteral("update-desktop-database"), home + QStringLiteral("/applications"));
}

}  // namespace

QString UserDataHome() {
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) return configured;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QStringList AssociationFiles() {
    QStringList files = {kMimePackage, kDesktopEntry};
    for (int size : kIconSizes) files << AppIconFile(size) << MimeIconFile(size);
    return files;
}

QString DesktopExecArgument(const QString& path) {
    QString argument = path;
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : path) needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes) return argument;
    QString quoted;
    for (QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The entry's own string escaping doubles every backslash once more.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString DesktopEntryFor(const QString& programPath) {
    QString entry = QString::fromUtf8(ResourceBytes(QStringLiteral("desktop/quillora.desktop.in")));
    entry.replace(QStringLiteral("@QUILLORA_EXEC@"), DesktopExecArgument(programPath));
    entry.replace(QStringLiteral("\nIcon=quillora\n"), QStringLiteral("\nIcon=%1\n").arg(kAppIcon));
    // It opens label files; the menus keep showing the installed entry, if any, alone.
    return entry + QStringLiteral("NoDisplay=true\n");
}

bool RegisterFileAssociation(const std::string& programPath) {
    const QString home = UserDataHome() + QLatin1Char('/');
    WriteFile(home + kMimePackage, MimePackage());
    WriteFile(home + kDesktopEntry, DesktopEntryFor(QString::fromStdString(programPath)).toUtf8());
    for (int size : kIconSizes) {
        WriteFile(home + AppIconFile(size), ResourceBytes(QStringLiteral("icons/quillora-%1.png").arg(size)));
        WriteFile(home + MimeIconFile(size),
                  ResourceBytes(QStringLiteral("icons/quillora-document-%1.png").arg(size)));
    }
    RefreshDatabases(home);
    return true;
}

bool UnregisterFileAssociation() {
    const QString home = UserDataHome() + QLatin1Char('/');
    for (const QString& file : AssociationFiles()) QFile::remove(home + file);
    RefreshDatabases(home);
    return true;
}

}  // namespace quillora::desktop
