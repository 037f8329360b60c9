#include "document/LayerValues.h"

#include <type_traits>

#include "document/LabelDocument.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "text/StoredPath.h"

namespace quillora::document {

namespace {

// The picture name goes through a 49-byte buffer with its terminator.
constexpr std::size_t kPictureNameBytes = 48;

// Copies one field; text fields are cleared before the text is copied in.
struct CopyInto {
    template <class Target, class Source>
    void operator()(Target& target, const Source& source) const {
        if constexpr (std::is_array_v<Target>) text::StoreField(target, text::FieldView(source));
        else target = source;
    }
};

}  // namespace

void LoadTextSettings(TextLayerSettings& s, const LayerRecord& layer) {
    VisitTextLayerFields(layer, s, [](const auto& field, auto& value) { CopyInto{}(value, field); });
    LoadArc(s.arc, layer);
}

void StoreTextLayer(LayerRecord& layer, const TextLayerSettings& s) {
    VisitTextLayerFields(layer, s, CopyInto{});
    WriteArc(layer, s.arc);
    const std::string_view text = text::FieldView(layer.text);
    SetLayerName(layer, text.data(), text.size());
    layer.visible = 1;
}

void LoadPictureSettings(PicLayerSettings& s, const LayerRecord& layer) {
    VisitPictureLayerFields(layer, s, [](const auto& field, auto& value) { CopyInto{}(value, field); });
}

void StorePictureLayer(LayerRecord& layer, const PicLayerSettings& s) {
    VisitPictureLayerFields(layer, s, CopyInto{});
    // The name is the file's own name as valid code page 932: "?" for what has no mapping.
    const std::string file = FileTitle(text::ResolveStoredPath(text::FieldView(layer.picturePath)));
    text::StoreField(layer.name, text::Cp932NameFromUtf8(file, kPictureNameBytes));
}

std::string FileTitle(std::string_view storedPath) {
    const std::size_t slash = storedPath.rfind('/');
    if (slash != std::string_view::npos) storedPath.remove_prefix(slash + 1);
    return std::string(storedPath);
}

}  // namespace quillora::document
