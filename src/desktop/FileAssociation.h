#pragma once
// Binds the .qlr file type to the program the freedesktop way, for the current user: a MIME
// package, a desktop entry and the icons under $XDG_DATA_HOME (default ~/.local/share).
// Both operations report success whatever happens; failures never stop the program.
#include <QString>
#include <QStringList>
#include <string>

namespace quillora::desktop {

inline constexpr char kLabelMimeType[] = "application/x-quillora-label";

bool RegisterFileAssociation(const std::string& programPath);
bool UnregisterFileAssociation();

// The folder the files go under.
QString UserDataHome();
// Every file registering writes, relative to the data home; none of them has the name of a
// file the install rules put in place.
QStringList AssociationFiles();
// The association's desktop entry text for a program path.
QString DesktopEntryFor(const QString& programPath);
// A path as one argument of a desktop entry's Exec line, quoted when it has to be.
QString DesktopExecArgument(const QString& path);

}  // namespace quillora::desktop
