#include "HeavyDocument.h"

#include <cmath>
#include <string>

#include "text/Cp932.h"
#include "text/FixedField.h"

namespace quillora::bench {

namespace {

constexpr int kTextLayers = 30;
constexpr int kPictureLayers = 16;
constexpr int kPictureWidth = 4000;
constexpr int kPictureHeight = 3000;

template <std::size_t N>
void StoreUtf8(char (&field)[N], const std::string& utf8) {
    text::StoreField(field, text::Utf8ToCp932(utf8).value_or(std::string()));
}

document::LayerRecord& AddLayer(document::LabelDocument& doc, document::LayerKind kind) {
    int slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    document::LayerRecord& layer = doc.layers[slot];
    layer = {};
    layer.kind = kind;
    layer.visible = 1;
    return layer;
}

void AddTextLayer(document::LabelDocument& doc, int i) {
    static const char* const faces[] = {"ＭＳ Ｐ明朝", "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝"};
    document::LayerRecord& layer = AddLayer(doc, document::LayerKind::Text);
    StoreUtf8(layer.text, "ﾚｲﾔｰ " + std::to_string(i) + " 春の海 ひねもすのたり Quillora");
    StoreUtf8(layer.fontFace, faces[i % 4]);
    layer.fontSize = 10 + (i * 7) % 50;
    layer.fontBold = i % 3 == 0 ? 700 : 0;
    layer.fontItalic = i % 5 == 0;
    layer.fontUnderline = i % 7 == 0;
    layer.fontColor = 0x102030u * static_cast<unsigned>(i % 8);
    layer.angle = (i * 30) % 360;
    layer.shadow = 1;
    layer.shadowColor = 0x808080;
    layer.shadowX = 2;
    layer.shadowY = 2;
    layer.posX = 10 + (i * 13) % 90;
    layer.posY = 10 + (i * 17) % 90;
}

std::shared_ptr<const document::Picture> MakePicture(int seed, int width, int height) {
    auto picture = std::make_shared<document::Picture>();
    picture->width = width;
    picture->height = height;
    picture->bits.resize(picture->RowBytes() * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = picture->bits.data() + picture->RowBytes() * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(x + seed);
            row[3 * x + 1] = static_cast<std::uint8_t>(y * 3);
            row[3 * x + 2] = static_cast<std::uint8_t>((x ^ y) + seed * 16);
        }
    }
    return picture;
}

// Four of each: at a position, centred, filling the square, filling it with the aspect kept.
document::LayerRecord& AddPictureLayer(document::LabelDocument& doc, int i,
                                       std::shared_ptr<const document::Picture> picture) {
    document::LayerRecord& layer = AddLayer(doc, document::LayerKind::Picture);
    StoreUtf8(layer.picturePath, "/pictures/photo" + std::to_string(i) + ".jpg");
    layer.placement = i % 4 == 3 ? 2 : i % 4;
    layer.keepAspect = i % 4 == 3;
    layer.imageWidthPx = picture->width;
    layer.imageHeightPx = picture->height;
    layer.widthMm = 40 + 5 * i;
    layer.heightMm = 30 + 4 * i;
    layer.posX = 5 * i;
    layer.posY = 60 - 3 * i;
    int slot = static_cast<int>(&layer - doc.layers.data());
    doc.pictures[slot] = std::move(picture);
    return layer;
}

std::unique_ptr<document::LabelDocument> NewLabel() {
    auto doc = std::make_unique<document::LabelDocument>();
    doc->header.outerDiameter = 120;
    doc->header.innerDiameter = 30;
    doc->list.addZero = 1;
    text::StoreField(doc->list.numberSeparator, ".");
    doc->Create({});
    doc->RenumberListEntries();
    return doc;
}

void FillList(document::LabelDocument& doc) {
    document::ListBlock& list = doc.list;
    StoreUtf8(list.fontFace, "ＭＳ Ｐ明朝");
    list.fontSize = 8;
    list.fontColor = 0x202020;
    list.printNumbers = 1;
    list.layoutStyle = 2;
    list.top2 = 12;
    list.left2 = 5;
    list.left22 = 5;
    list.shadow = 1;
    list.shadowColor = 0xC0C0C0;
    list.shadowX = 1;
    list.shadowY = 1;
    for (int i = 0; i < document::kListEntries; ++i)
        StoreUtf8(list.entryText[i], "曲名 " + std::to_string(i + 1) + "\r\nアーティスト");
}

}  // namespace

std::unique_ptr<document::LabelDocument> MakeHeavyDocument() {
    auto doc = NewLabel();
    for (int i = 0; i < kPictureLayers; ++i) AddPictureLayer(*doc, i, MakePicture(i, kPictureWidth, kPictureHeight));
    for (int i = 0; i < kTextLayers; ++i) AddTextLayer(*doc, i);
    FillList(*doc);
    return doc;
}

std::shared_ptr<const document::Picture> MakePictureOfMegapixels(int megapixels) {
    // 4:3, as most cameras take them.
    const int width = static_cast<int>(std::lround(std::sqrt(megapixels * 1e6 * 4 / 3)));
    return MakePicture(megapixels, width, width * 3 / 4);
}

std::unique_ptr<document::LabelDocument> MakePictureLabel(int layers, std::shared_ptr<const document::Picture> picture) {
    auto doc = NewLabel();
    // Filling the square keeps the aspect, so no picture covers the disc and hides those below:
    // every layer is drawn.
    for (int i = 0; i < layers; ++i) AddPictureLayer(*doc, i, picture).keepAspect = 1;
    return doc;
}

}  // namespace quillora::bench
