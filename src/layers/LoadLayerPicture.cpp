#include "LoadLayerPicture.h"

#include <QApplication>

#include "pictures/PictureLibrary.h"

namespace quillora::layers {

void LoadLayerPicture(workspace::Workspace& ws, int slot) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ws.pictures.LoadSlotPicture(ws.doc, slot);
    QApplication::restoreOverrideCursor();
}

}  // namespace quillora::layers
