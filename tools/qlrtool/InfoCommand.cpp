// qlrtool info FILE.qlr: the whole document as one JSON object.
#include <iostream>

#include "CommandTable.h"
#include "DocumentReading.h"
#include "Json.h"
#include "PictureReport.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

namespace qlrtool {
namespace {

using namespace quillora::document;

constexpr char kUsage[] = "info FILE.qlr";

template <std::size_t N>
std::string Text(const char (&field)[N]) {
    return quillora::text::Cp932ToUtf8(quillora::text::FieldView(field));
}

void WriteHeader(JsonWriter& j, const DocHeader& h) {
    j.key("header").beginObject();
    j.field("outerDiameter", h.outerDiameter).field("innerDiameter", h.innerDiameter);
    j.field("marginTop", h.marginTop).field("marginLeft", h.marginLeft);
    j.field("cropMarks", h.cropMarks);
    j.field("previewPaperWidth", h.previewPaperWidth).field("previewPaperHeight", h.previewPaperHeight);
    j.endObject();
}

void WriteState(JsonWriter& j, const DocState& s) {
    j.key("state").beginObject();
    j.field("isOpen", s.isOpen).field("outerMm", s.outerMm).field("innerMm", s.innerMm);
    j.field("outerPx", s.outerPx).field("innerPx", s.innerPx);
    j.field("backColor", s.backColor).field("lineColor", s.lineColor).field("borderLine", s.borderLine);
    j.field("viewOriginX", s.viewOriginX).field("viewOriginY", s.viewOriginY);
    j.field("scrollX", s.scrollX).field("scrollY", s.scrollY);
    j.field("layerCount", s.layerCount).field("selectedPos", s.selectedPos);
    j.field("firstVisiblePos", s.firstVisiblePos);
    j.endObject();
}

void WriteList(JsonWriter& j, const ListBlock& l) {
    j.key("list").beginObject();
    j.field("printNumbers", l.printNumbers).field("addZero", l.addZero).field("defaultSpacing", l.defaultSpacing);
    j.field("numberSeparator", Text(l.numberSeparator)).field("fontFace", Text(l.fontFace));
    j.field("fontSize", l.fontSize).field("fontItalic", l.fontItalic).field("fontUnderline", l.fontUnderline);
    j.field("fontBold", l.fontBold).field("fontStrike", l.fontStrike).field("fontColor", l.fontColor);
    j.field("layoutStyle", l.layoutStyle);
    j.field("top0", l.top0).field("left0", l.left0).field("top1", l.top1).field("left1", l.left1);
    j.field("top2", l.top2).field("left2", l.left2).field("left22", l.left22);
    j.field("secondColumnStart", l.secondColumnStart).field("lineGap", l.lineGap);
    j.field("shadow", l.shadow).field("shadowColor", l.shadowColor);
    j.field("shadowX", l.shadowX).field("shadowY", l.shadowY);
    j.key("entries").beginArray();
    for (int i = 0; i < kListEntries; ++i) {
        j.beginObject();
        j.field("number", Text(l.entryNumber[i])).field("text", Text(l.entryText[i]));
        j.field("editText", Text(l.entryEditText[i])).field("spacing", l.entrySpacing[i]);
        j.endObject();
    }
    j.endArray();
    j.endObject();
}

void WriteLayer(JsonWriter& j, const LayerRecord& r) {
    j.beginObject();
    j.field("kind", static_cast<int>(r.kind)).field("visible", r.visible).field("name", Text(r.name));
    j.field("text", Text(r.text)).field("fontFace", Text(r.fontFace));
    j.field("fontSize", r.fontSize).field("fontItalic", r.fontItalic).field("fontUnderline", r.fontUnderline);
    j.field("fontBold", r.fontBold).field("fontStrike", r.fontStrike).field("fontColor", r.fontColor);
    j.field("angle", r.angle).field("shadow", r.shadow).field("shadowColor", r.shadowColor);
    j.field("shadowX", r.shadowX).field("shadowY", r.shadowY);
    j.field("picturePath", quillora::text::StoredPathToUtf8(quillora::text::FieldView(r.picturePath)));
    j.field("placement", r.placement).field("keepAspect", r.keepAspect);
    j.field("imageWidthPx", r.imageWidthPx).field("imageHeightPx", r.imageHeightPx);
    j.field("widthMm", r.widthMm).field("heightMm", r.heightMm);
    j.field("posX", r.posX).field("posY", r.posY);
    j.endObject();
}

int Info(const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError(kUsage);
    auto doc = std::make_unique<LabelDocument>();
    if (!ReadDocumentOrReport(args[0], *doc)) return kExitFile;
    ReportMissingPictures(UnreadablePictures(*doc));

    JsonWriter j(std::cout);
    j.beginObject();
    WriteHeader(j, doc->header);
    WriteState(j, doc->state);
    WriteList(j, doc->list);
    j.key("order").beginArray();
    for (std::int32_t slot : doc->order) j.value(static_cast<std::int64_t>(slot));
    j.endArray();
    j.key("layers").beginArray();
    for (const LayerRecord& layer : doc->layers) WriteLayer(j, layer);
    j.endArray();
    j.key("paper").beginObject().field("size", doc->paper.size).field("orientation", doc->paper.orientation).endObject();
    j.endObject();
    return kExitOk;
}

const Command kInfo("info", kUsage, Info);

}  // namespace
}  // namespace qlrtool
