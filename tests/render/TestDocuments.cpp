#include "TestDocuments.h"

#include "text/FixedField.h"

namespace quillora::render {

document::LabelDocument NewLabel(int outerMm, int innerMm) {
    document::LabelDocument doc;
    doc.header.outerDiameter = outerMm;
    doc.header.innerDiameter = innerMm;
    doc.list.fontSize = 12;
    doc.list.layoutStyle = 1;
    doc.list.printNumbers = 1;
    doc.list.addZero = 1;
    text::StoreField(doc.list.numberSeparator, ".");
    doc.Create({});
    doc.RenumberListEntries();
    return doc;
}

namespace {
int AddLayer(document::LabelDocument& doc, document::LayerKind kind) {
    int slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    doc.layers[slot] = {};
    doc.layers[slot].kind = kind;
    doc.layers[slot].visible = 1;
    return slot;
}
}  // namespace

int AddTextLayer(document::LabelDocument& doc, const std::string& text, int posX, int posY) {
    int slot = AddLayer(doc, document::LayerKind::Text);
    auto& layer = doc.layers[slot];
    text::StoreField(layer.text, text);
    layer.fontSize = 12;
    layer.posX = posX;
    layer.posY = posY;
    return slot;
}

int AddPictureLayer(document::LabelDocument& doc, int placement, int widthMm, int heightMm) {
    int slot = AddLayer(doc, document::LayerKind::Picture);
    auto& layer = doc.layers[slot];
    layer.placement = placement;
    layer.widthMm = widthMm;
    layer.heightMm = heightMm;
    return slot;
}

void SetListEntries(document::LabelDocument& doc, int count, const std::string& text) {
    for (int i = 0; i < document::kListEntries; ++i)
        text::StoreField(doc.list.entryText[i], i < count ? text + std::to_string(i + 1) : std::string());
}

}  // namespace quillora::render
