#include "PictureLibrary.h"
#include "document/Records.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::pictures {

namespace {
bool IsPictureSlot(const document::LabelDocument& doc, int slot) {
    return slot >= 0 && slot < document::kMaxLayers && doc.layers[slot].kind == document::LayerKind::Picture;
}
}  // namespace

bool PictureLibrary::LoadSlotPicture(document::LabelDocument& doc, int slot) const {
    if (slot < 0 || slot >= document::kMaxLayers) return false;
    doc.pictures[slot].reset();  // the old picture goes before the new one is read
    if (!IsPictureSlot(doc, slot)) return false;
    const std::string path(text::FieldView(doc.layers[slot].picturePath));
    doc.pictures[slot] = LoadPicture(path);
    return doc.pictures[slot] != nullptr;
}

std::vector<std::string> PictureLibrary::RebuildPictures(document::LabelDocument& doc) const {
    static const std::string missingName = text::Utf8ToCp932("画像ﾌｧｲﾙが見つかりません").value();
    std::vector<std::string> missing;
    // Every picture slot, whether it is in the stacking order or not.
    for (int slot = 0; slot < document::kMaxLayers; ++slot) {
        if (LoadSlotPicture(doc, slot) || !IsPictureSlot(doc, slot)) continue;
        auto& layer = doc.layers[slot];
        missing.emplace_back(text::FieldView(layer.picturePath));
        text::StoreField(layer.name, missingName);
    }
    return missing;
}

}  // namespace quillora::pictures
