#include "LayerTestWorkspace.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "layers/LayerCommands.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

using namespace quillora;

LayerTestWorkspace::LayerTestWorkspace() {
    EnsureApplication();
    ws.pictures = pictures::PictureLibrary(dir.Path());
    ws.pictureFilter = QStringLiteral("pictures (*.bmp)");
    doc.header.outerDiameter = 120;
    doc.header.innerDiameter = 30;
    doc.Create({});
    layers::DefineLayerCommands(registry, operations, ws);
}

int LayerTestWorkspace::AddTextLayer(const std::string& name) {
    int slot = doc.FindFreeSlot();
    doc.layers[slot].kind = document::LayerKind::Text;
    doc.layers[slot].visible = 1;
    text::StoreField(doc.layers[slot].text, name);
    document::SetLayerName(doc.layers[slot], name.data(), name.size());
    doc.InsertAtSelection(slot);
    return slot;
}

int LayerTestWorkspace::AddPictureLayer(const std::string& name) {
    int slot = AddTextLayer(name);
    doc.layers[slot].kind = document::LayerKind::Picture;
    return slot;
}

void LayerTestWorkspace::FillTo(int count) {
    while (doc.state.layerCount < count) AddTextLayer("t" + std::to_string(doc.state.layerCount));
}

int ClickAndFinish(QDialog& dialog, int buttonId) {
    QPushButton* button = Control<QPushButton>(dialog, buttonId);
    if (!button) {
        ADD_FAILURE() << "no button id" << buttonId;
        return QDialog::Rejected;
    }
    button->click();
    return dialog.isVisible() ? QDialog::Rejected : dialog.result();
}

std::string Sjis(const char* utf8) { return text::Utf8ToCp932(utf8).value(); }
