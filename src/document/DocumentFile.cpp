#include "DocumentFile.h"

#include <cstring>

#include "AtomicFile.h"
#include "RegularFile.h"
#include "Limits.h"

namespace quillora::document {

namespace {

constexpr char kMagic[kMagicSize] = {'q', 'r', 'l', 'a', '1', '0', '\0'};
constexpr std::size_t kPairSize = sizeof(std::int32_t) + sizeof(LayerRecord);

static_assert(kMagicSize + sizeof(DocHeader) + sizeof(DocState) + sizeof(ListBlock) +
                  kMaxLayers * kPairSize + sizeof(PaperSettings) ==
              kDocumentFileSize);

template <typename T>
void Append(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
void Take(std::string_view& in, T& value) {
    std::memcpy(&value, in.data(), sizeof value);
    in.remove_prefix(sizeof value);
}

}  // namespace

std::string SerialiseDocument(const LabelDocument& doc) {
    std::string out;
    out.reserve(kDocumentFileSize);
    out.append(kMagic, kMagicSize);
    Append(out, doc.header);
    Append(out, doc.state);
    Append(out, doc.list);
    for (int i = 0; i < kMaxLayers; ++i) {
        Append(out, doc.order[i]);
        LayerRecord layer = doc.layers[i];
        layer.memDC = layer.bitmap = layer.dibBits = 0;
        Append(out, layer);
    }
    Append(out, doc.paper.size);
    Append(out, doc.paper.orientation);
    return out;
}

ReadResult ParseDocument(std::string_view bytes, LabelDocument& doc) {
    // The magic is compared as a NUL-terminated string, so its seventh byte must be NUL.
    char magic[kMagicSize + 1] = {};
    std::memcpy(magic, bytes.data(), std::min(bytes.size(), kMagicSize));
    if (std::strcmp(magic, "qrla10") != 0) return ReadResult::BadMagic;
    if (bytes.size() < kDocumentFileSize) return ReadResult::ShortFile;

    bytes.remove_prefix(kMagicSize);
    // Parsed into a scratch copy first: a failure must not leave the document half replaced.
    auto parsed = std::make_unique<LabelDocument>();
    Take(bytes, parsed->header);
    Take(bytes, parsed->state);
    Take(bytes, parsed->list);
    for (int i = 0; i < kMaxLayers; ++i) {
        Take(bytes, parsed->order[i]);
        Take(bytes, parsed->layers[i]);
        parsed->layers[i].memDC = parsed->layers[i].bitmap = parsed->layers[i].dibBits = 0;
    }
    Take(bytes, parsed->paper.size);
    Take(bytes, parsed->paper.orientation);

    doc.header = parsed->header;
    doc.state = parsed->state;
    doc.list = parsed->list;
    doc.order = parsed->order;
    doc.layers = parsed->layers;
    doc.paper = parsed->paper;
    for (auto& p : doc.pictures) p.reset();
    return ReadResult::Ok;
}

ReadResult ReadDocumentFile(const std::string& path, LabelDocument& doc) {
    // Only the fixed size is ever read; anything after it is ignored.
    std::string bytes;
    if (ReadRegularFile(path, bytes, kDocumentFileSize) != FileStatus::Ok) return ReadResult::CannotOpen;
    return ParseDocument(bytes, doc);
}

ReadResult OpenDocumentFile(const std::string& path, LabelDocument& doc) {
    const ReadResult result = ReadDocumentFile(path, doc);
    // An open document is open whatever the file stored; a stored 0 would leave the window blank.
    if (result == ReadResult::Ok) doc.state.isOpen = 1;
    return result;
}

bool WriteDocumentFile(const std::string& path, const LabelDocument& doc) {
    return WriteFileAtomically(path, SerialiseDocument(doc));
}

std::string AddQlrExtension(std::string_view name) {
    std::string result(name);
    if (result.size() < 4 || result.compare(result.size() - 4, 4, ".qlr") != 0) result += ".qlr";
    return result;
}

std::optional<std::string> WithQlrExtension(std::string_view storedName) {
    std::string name = AddQlrExtension(storedName);
    if (name.size() > kStoredPathBytes) return std::nullopt;
    return name;
}

}  // namespace quillora::document
