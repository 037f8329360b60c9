#pragma once
// Set while the matching editing dialog is open. The dialogs are modal to the frame only, so
// the floating windows stay live and test these flags before starting anything.
namespace quillora::workspace {

struct DialogFlags {
    bool backgroundDialogOpen = false;
    bool listSheetOpen = false;
    bool textDialogOpen = false;
    bool pictureDialogOpen = false;

    bool Any() const { return backgroundDialogOpen || listSheetOpen || textDialogOpen || pictureDialogOpen; }
};

}  // namespace quillora::workspace
