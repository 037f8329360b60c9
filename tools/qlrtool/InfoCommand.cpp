// qlrtool info FILE.qlr: the whole document as one JSON object.
#include <iostream>

#include "CommandTable.h"
#include "DocumentReading.h"
#include "Json.h"
#include "PictureReport.h"
#include "document/TextArc.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "text/FieldText.h"

namespace qlrtool {
namespace {

using namespace quillora::document;

constexpr char kUsage[] = "info FILE.qlr";


void WriteHeader(JsonWriter& j, const DocHeader& h) {
    j.Key("header").BeginObject();
    j.Field("outerDiameter", h.outerDiameter).Field("innerDiameter", h.innerDiameter);
    j.Field("marginTop", h.marginTop).Field("marginLeft", h.marginLeft);
    j.Field("cropMarks", h.cropMarks);
    j.Field("previewPaperWidth", h.previewPaperWidth).Field("previewPaperHeight", h.previewPaperHeight);
    j.EndObject();
}

void WriteState(JsonWriter& j, const DocState& s) {
    j.Key("state").BeginObject();
    j.Field("isOpen", s.isOpen).Field("outerMm", s.outerMm).Field("innerMm", s.innerMm);
    j.Field("outerPx", s.outerPx).Field("innerPx", s.innerPx);
    j.Field("backColor", s.backColor).Field("lineColor", s.lineColor).Field("borderLine", s.borderLine);
    j.Field("viewOriginX", s.viewOriginX).Field("viewOriginY", s.viewOriginY);
    j.Field("scrollX", s.scrollX).Field("scrollY", s.scrollY);
    j.Field("layerCount", s.layerCount).Field("selectedPos", s.selectedPos);
    j.Field("firstVisiblePos", s.firstVisiblePos);
    j.EndObject();
}

void WriteList(JsonWriter& j, const ListBlock& l) {
    j.Key("list").BeginObject();
    j.Field("printNumbers", l.printNumbers).Field("addZero", l.addZero).Field("defaultSpacing", l.defaultSpacing);
    j.Field("numberSeparator", quillora::text::FieldToUtf8(l.numberSeparator)).Field("fontFace", quillora::text::FieldToUtf8(l.fontFace));
    j.Field("fontSize", l.fontSize).Field("fontItalic", l.fontItalic).Field("fontUnderline", l.fontUnderline);
    j.Field("fontBold", l.fontBold).Field("fontStrike", l.fontStrike).Field("fontColor", l.fontColor);
    j.Field("layoutStyle", l.layoutStyle);
    j.Field("top0", l.top0).Field("left0", l.left0).Field("top1", l.top1).Field("left1", l.left1);
    j.Field("top2", l.top2).Field("left2", l.left2).Field("left22", l.left22);
    j.Field("secondColumnStart", l.secondColumnStart).Field("lineGap", l.lineGap);
    j.Field("shadow", l.shadow).Field("shadowColor", l.shadowColor);
    j.Field("shadowX", l.shadowX).Field("shadowY", l.shadowY);
    j.Key("entries").BeginArray();
    for (int i = 0; i < kListEntries; ++i) {
        j.BeginObject();
        j.Field("number", quillora::text::FieldToUtf8(l.entryNumber[i])).Field("text", quillora::text::FieldToUtf8(l.entryText[i]));
        j.Field("editText", quillora::text::FieldToUtf8(l.entryEditText[i])).Field("spacing", l.entrySpacing[i]);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
}

// null for a straight layer.
void WriteArc(JsonWriter& j, const LayerRecord& r) {
    j.Key("arc");
    const auto arc = ReadArc(r);
    if (!arc) {
        j.Null();
        return;
    }
    j.BeginObject();
    j.Field("radius", arc->radius).Field("centreAngle", arc->centreAngle);
    j.Field("side", arc->side).Field("spacing", arc->spacing);
    j.EndObject();
}

void WriteLayer(JsonWriter& j, const LayerRecord& r) {
    j.BeginObject();
    j.Field("kind", static_cast<int>(r.kind)).Field("visible", r.visible).Field("name", quillora::text::FieldToUtf8(r.name));
    j.Field("text", quillora::text::FieldToUtf8(r.text)).Field("fontFace", quillora::text::FieldToUtf8(r.fontFace));
    j.Field("fontSize", r.fontSize).Field("fontItalic", r.fontItalic).Field("fontUnderline", r.fontUnderline);
    j.Field("fontBold", r.fontBold).Field("fontStrike", r.fontStrike).Field("fontColor", r.fontColor);
    j.Field("angle", r.angle).Field("shadow", r.shadow).Field("shadowColor", r.shadowColor);
    j.Field("shadowX", r.shadowX).Field("shadowY", r.shadowY);
    j.Field("picturePath", quillora::text::StoredPathToUtf8(quillora::text::FieldView(r.picturePath)));
    j.Field("placement", r.placement).Field("keepAspect", r.keepAspect);
    j.Field("imageWidthPx", r.imageWidthPx).Field("imageHeightPx", r.imageHeightPx);
    j.Field("widthMm", r.widthMm).Field("heightMm", r.heightMm);
    j.Field("posX", r.posX).Field("posY", r.posY);
    WriteArc(j, r);
    j.EndObject();
}

int Info(const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError(kUsage);
    auto doc = std::make_unique<LabelDocument>();
    if (!ReadDocumentOrReport(args[0], *doc)) return kExitFile;
    ReportMissingPictures(UnreadablePictures(*doc));

    JsonWriter j(std::cout);
    j.BeginObject();
    WriteHeader(j, doc->header);
    WriteState(j, doc->state);
    WriteList(j, doc->list);
    j.Key("order").BeginArray();
    for (std::int32_t slot : doc->order) j.Value(static_cast<std::int64_t>(slot));
    j.EndArray();
    j.Key("layers").BeginArray();
    for (const LayerRecord& layer : doc->layers) WriteLayer(j, layer);
    j.EndArray();
    j.Key("paper").BeginObject().Field("size", doc->paper.size).Field("orientation", doc->paper.orientation).EndObject();
    j.EndObject();
    return kExitOk;
}

const Command kInfo("info", kUsage, Info);

}  // namespace
}  // namespace qlrtool
