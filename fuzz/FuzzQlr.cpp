// Feeds arbitrary bytes to the .qlr reader, then walks the layer stack of whatever it accepted
// through the safe accessors and runs the layer operations at the selection.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "document/DocumentFile.h"
#include "document/LabelDocument.h"

using namespace quillora::document;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto doc = std::make_unique<LabelDocument>();
    if (ParseDocument(std::string_view(reinterpret_cast<const char*>(data), size), *doc) != ReadResult::Ok) return 0;

    for (int pos = -1; pos <= kMaxLayers; ++pos) {
        const LayerRecord* layer = doc->LayerAt(pos);
        if (layer && (&doc->layers[doc->SlotAt(pos)] != layer || layer->kind != doc->KindAt(pos))) __builtin_trap();
        doc->CanMove(pos, MoveDirection::Up);
        doc->CanMove(pos, MoveDirection::Down);
    }
    doc->ListEntryCount();
    doc->FindFreeSlot();

    // Whatever was accepted is written back and read again unchanged.
    const std::string saved = SerialiseDocument(*doc);
    auto reread = std::make_unique<LabelDocument>();
    if (ParseDocument(saved, *reread) != ReadResult::Ok || SerialiseDocument(*reread) != saved) __builtin_trap();

    // A copy goes in at the selection and becomes the selected layer.
    const int copy = doc->CopyLayerRecord(doc->SafeSelectedPos());
    if (copy >= 0 && doc->SlotAt(doc->SafeSelectedPos()) != copy) __builtin_trap();
    doc->MoveLayer(doc->SafeSelectedPos(), MoveDirection::Up);
    doc->MoveLayer(doc->SafeSelectedPos(), MoveDirection::Down);
    doc->FreeSlotAt(doc->SafeSelectedPos());
    return 0;
}
