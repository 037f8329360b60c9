#pragma once
// How every change of the layer stack ends: the document records the edit, then the views that
// show it are refreshed.
#include <string>

#include "workspace/Workspace.h"

namespace quillora::layers {

// New, copied or deleted layer: the count, the rows and the scroll range all change. `step`
// names the change in the edit history.
void EndStackChange(workspace::Workspace& ws, const std::string& step);
// A layer moved up or down.
void EndReorder(workspace::Workspace& ws);
// The values of one layer were written by a dialog.
void EndSettingsChange(workspace::Workspace& ws, const std::string& step);

// The steps the settings dialogs of the two kinds make.
inline constexpr char kTextSettingsStep[] = "文字ﾚｲﾔｰの設定";
inline constexpr char kPictureSettingsStep[] = "画像ﾚｲﾔｰの設定";

}  // namespace quillora::layers
