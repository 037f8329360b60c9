#pragma once
// Filling the list from a list file or a music folder, as the list edit page's 読み込み and ﾌｫﾙﾀﾞ
// buttons do: the chooser (opening where the last import was, else beside the open label), the
// progress of a long folder import, the question before the list is replaced and the messages.
#include "workspace/Workspace.h"

class QWidget;

namespace quillora::listlayer {

// True when the list was replaced.
bool ImportListFile(workspace::Workspace& ws, QWidget* owner);
bool ImportAudioFolder(workspace::Workspace& ws, QWidget* owner);

}  // namespace quillora::listlayer
