#include "LoadLayerPicture.h"

#include <QApplication>

#include "pictures/PictureLoader.h"

namespace quillora::layers {

void LoadLayerPicture(workspace::Workspace& ws, int slot) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    pictures::LoadSlotPicture(ws.doc, slot, ws.programDir);
    QApplication::restoreOverrideCursor();
}

}  // namespace quillora::layers
