#pragma once
// "環境設定": the program-wide preferences that belong to no document, kept for the run and
// saved with the settings at exit.
#include <functional>

#include "widgets/PropertySheet.h"
#include "workspace/Workspace.h"

namespace quillora::environment {

class EnvironmentSheet : public widgets::PropertySheet {
    Q_OBJECT
public:
    // `arrangeWindows` stacks the floating windows at the frame's corner.
    EnvironmentSheet(workspace::Workspace& ws, std::function<void()> arrangeWindows);
};

// Shows the sheet modal to the frame and returns when it closes.
void ShowEnvironmentSettings(workspace::Workspace& ws, std::function<void()> arrangeWindows);

}  // namespace quillora::environment
