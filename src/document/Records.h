#pragma once
// The label document's records, laid out byte for byte as the .qlr file stores them.
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace quillora::document {

static_assert(std::endian::native == std::endian::little,
              "records are stored raw; a big-endian host would need byte swapping");

using Colour = std::uint32_t;  // 0x00BBGGRR

constexpr int kMaxLayers = 50;
constexpr int kListEntries = 50;
constexpr int kPathBytes = 256;

// A layer slot's kind as the file stores it; a damaged file may hold any other number.
enum class LayerKind : std::int32_t {
    Free = 0,
    Background = 1,
    List = 2,
    Text = 10,
    Picture = 11,
};

// Text and picture layers can be copied and deleted; any kind below them (the background, the
// list, a free slot or an unknown number) cannot.
constexpr bool IsCopyableKind(LayerKind kind) { return kind >= LayerKind::Text; }
// The list moves like the text and picture layers; the background and what is below it never.
constexpr bool IsMovableKind(LayerKind kind) { return kind >= LayerKind::List; }

struct DocHeader {
    std::int32_t outerDiameter;
    std::int32_t innerDiameter;
    std::int32_t marginTop;
    std::int32_t marginLeft;
    std::int32_t cropMarks;
    std::int32_t previewPaperWidth;
    std::int32_t previewPaperHeight;
    std::uint8_t reserved[100];
};

struct DocState {
    std::uint8_t isOpen;
    std::uint8_t reserved0[3];
    std::int32_t outerMm;
    std::int32_t innerMm;
    std::int32_t outerPx;
    std::int32_t innerPx;
    Colour backColor;
    Colour lineColor;
    std::int32_t borderLine;
    std::int32_t viewOriginX;
    std::int32_t viewOriginY;
    std::int32_t scrollX;
    std::int32_t scrollY;
    std::int32_t layerCount;
    std::int32_t selectedPos;
    std::int32_t firstVisiblePos;
    std::uint8_t reserved[100];
};

struct ListBlock {
    char entryNumber[kListEntries][10];
    char entryText[kListEntries][256];
    char entryEditText[kListEntries][256];
    std::int32_t entrySpacing[kListEntries];
    std::int32_t printNumbers;
    std::int32_t addZero;
    std::int32_t defaultSpacing;
    char numberSeparator[10];
    char fontFace[32];
    std::uint8_t reserved0[2];
    std::int32_t fontSize;
    std::int32_t fontItalic;
    std::int32_t fontUnderline;
    std::int32_t fontBold;
    std::int32_t fontStrike;
    Colour fontColor;
    std::int32_t layoutStyle;
    std::int32_t top0;
    std::int32_t left0;
    std::int32_t top1;
    std::int32_t left1;
    std::int32_t top2;
    std::int32_t left2;
    std::int32_t left22;
    std::int32_t secondColumnStart;
    std::int32_t lineGap;
    std::int32_t shadow;
    Colour shadowColor;
    std::int32_t shadowX;
    std::int32_t shadowY;
    std::uint8_t reserved[100];
};

// A text layer's arc, in bytes older programs leave zero and never read: the tag "ARC" and a
// version byte first, so a program that ignores them shows the layer straight at its position.
struct StoredArc {
    char tag[3];
    std::uint8_t version;
    std::uint8_t side;  // 0 outside, 1 inside
    std::uint8_t reserved[3];
    std::int32_t radius;       // 0.1 mm
    std::int32_t centreAngle;  // degrees
    std::int32_t spacing;      // 0.1 mm
};

struct LayerRecord {
    LayerKind kind;
    std::uint8_t visible;
    char name[50];
    // text layer area
    char text[256];
    char fontFace[32];
    std::uint8_t reserved0;
    std::int32_t fontSize;
    std::int32_t fontItalic;
    std::int32_t fontUnderline;
    std::int32_t fontBold;
    std::int32_t fontStrike;
    Colour fontColor;
    std::int32_t angle;
    std::int32_t shadow;
    Colour shadowColor;
    std::int32_t shadowX;
    std::int32_t shadowY;
    // picture layer area
    char picturePath[kPathBytes];
    std::int32_t placement;
    std::int32_t keepAspect;
    std::int32_t imageWidthPx;
    std::int32_t imageHeightPx;
    std::int32_t widthMm;
    std::int32_t heightMm;
    // run-time handles of the original program: always written as zero, never trusted
    std::uint32_t memDC;
    std::uint32_t bitmap;
    std::uint32_t dibBits;
    std::int32_t posX;
    std::int32_t posY;
    StoredArc arc;  // text layer: all zero (as every older file has) for straight text
    std::uint8_t reserved[80];
};

using LayerOrder = std::array<std::int32_t, kMaxLayers>;

// The printer's paper size and orientation codes (orientation 1 portrait, 2 landscape).
struct PaperSettings {
    std::int16_t size;
    std::int16_t orientation;
};

static_assert(sizeof(DocHeader) == 128);
static_assert(offsetof(DocHeader, previewPaperHeight) == 24);
static_assert(offsetof(DocHeader, reserved) == 28);

static_assert(sizeof(DocState) == 160);
static_assert(offsetof(DocState, outerMm) == 4);
static_assert(offsetof(DocState, backColor) == 20);
static_assert(offsetof(DocState, borderLine) == 28);
static_assert(offsetof(DocState, scrollY) == 44);
static_assert(offsetof(DocState, layerCount) == 48);
static_assert(offsetof(DocState, selectedPos) == 52);
static_assert(offsetof(DocState, firstVisiblePos) == 56);
static_assert(offsetof(DocState, reserved) == 60);

static_assert(sizeof(ListBlock) == 26536);
static_assert(offsetof(ListBlock, entryText) == 500);
static_assert(offsetof(ListBlock, entryEditText) == 13300);
static_assert(offsetof(ListBlock, entrySpacing) == 26100);
static_assert(offsetof(ListBlock, printNumbers) == 26300);
static_assert(offsetof(ListBlock, addZero) == 26304);
static_assert(offsetof(ListBlock, defaultSpacing) == 26308);
static_assert(offsetof(ListBlock, numberSeparator) == 26312);
static_assert(offsetof(ListBlock, fontFace) == 26322);
static_assert(offsetof(ListBlock, fontSize) == 26356);
static_assert(offsetof(ListBlock, fontItalic) == 26360);
static_assert(offsetof(ListBlock, fontUnderline) == 26364);
static_assert(offsetof(ListBlock, fontBold) == 26368);
static_assert(offsetof(ListBlock, fontStrike) == 26372);
static_assert(offsetof(ListBlock, fontColor) == 26376);
static_assert(offsetof(ListBlock, layoutStyle) == 26380);
static_assert(offsetof(ListBlock, top0) == 26384);
static_assert(offsetof(ListBlock, left22) == 26408);
static_assert(offsetof(ListBlock, secondColumnStart) == 26412);
static_assert(offsetof(ListBlock, lineGap) == 26416);
static_assert(offsetof(ListBlock, shadow) == 26420);
static_assert(offsetof(ListBlock, shadowColor) == 26424);
static_assert(offsetof(ListBlock, shadowY) == 26432);
static_assert(offsetof(ListBlock, reserved) == 26436);

static_assert(sizeof(LayerRecord) == 788);
static_assert(offsetof(LayerRecord, visible) == 4);
static_assert(offsetof(LayerRecord, name) == 5);
static_assert(offsetof(LayerRecord, text) == 55);
static_assert(offsetof(LayerRecord, fontFace) == 311);
static_assert(offsetof(LayerRecord, fontSize) == 344);
static_assert(offsetof(LayerRecord, fontItalic) == 348);
static_assert(offsetof(LayerRecord, fontUnderline) == 352);
static_assert(offsetof(LayerRecord, fontBold) == 356);
static_assert(offsetof(LayerRecord, fontStrike) == 360);
static_assert(offsetof(LayerRecord, fontColor) == 364);
static_assert(offsetof(LayerRecord, angle) == 368);
static_assert(offsetof(LayerRecord, shadow) == 372);
static_assert(offsetof(LayerRecord, shadowColor) == 376);
static_assert(offsetof(LayerRecord, shadowX) == 380);
static_assert(offsetof(LayerRecord, shadowY) == 384);
static_assert(offsetof(LayerRecord, picturePath) == 388);
static_assert(offsetof(LayerRecord, placement) == 644);
static_assert(offsetof(LayerRecord, keepAspect) == 648);
static_assert(offsetof(LayerRecord, imageWidthPx) == 652);
static_assert(offsetof(LayerRecord, imageHeightPx) == 656);
static_assert(offsetof(LayerRecord, widthMm) == 660);
static_assert(offsetof(LayerRecord, heightMm) == 664);
static_assert(offsetof(LayerRecord, memDC) == 668);
static_assert(offsetof(LayerRecord, bitmap) == 672);
static_assert(offsetof(LayerRecord, dibBits) == 676);
static_assert(offsetof(LayerRecord, posX) == 680);
static_assert(offsetof(LayerRecord, posY) == 684);
static_assert(offsetof(LayerRecord, arc) == 688);
static_assert(offsetof(LayerRecord, reserved) == 708);

static_assert(sizeof(StoredArc) == 20);
static_assert(offsetof(StoredArc, version) == 3);
static_assert(offsetof(StoredArc, side) == 4);
static_assert(offsetof(StoredArc, radius) == 8);
static_assert(offsetof(StoredArc, centreAngle) == 12);
static_assert(offsetof(StoredArc, spacing) == 16);

static_assert(sizeof(LayerOrder) == 200);
static_assert(sizeof(PaperSettings) == 4);

static_assert(std::is_trivially_copyable_v<DocHeader> && std::is_trivially_copyable_v<DocState> &&
              std::is_trivially_copyable_v<ListBlock> && std::is_trivially_copyable_v<LayerRecord>);

}  // namespace quillora::document
