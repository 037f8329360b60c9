#pragma once
// The settings file, section by section and key by key in the order it is written. Loading,
// saving and qlrtool all walk this one list with their own visitor, so a key is named once.
//
// A visitor offers Section(name) and, for each key, Int, Colour, Text (a fixed text field, or a
// string kept as written) or Path (a path field), each called with the key's names, the bound
// value and its default; Offsets stands for a section whose keys are printer names.
// App and Doc are AppSettings and LabelDocument, const when the visitor only reads them.
#include <string_view>

#include "AppSettings.h"
#include "document/Limits.h"

namespace quillora::settings {

// The reader has always asked for some keys in a spelling other than the one written;
// names match without regard to case, so both find the same line.
struct KeyName {
    KeyName(const char* name) : read(name), written(name) {}
    KeyName(const char* readName, const char* writtenName) : read(readName), written(writtenName) {}
    const char* read;
    const char* written;
};

template <typename Visitor, typename App, typename Doc>
void VisitSettingsTable(Visitor& v, App& app, Doc& doc) {
    const AppSettings d;
    auto& header = doc.header;
    auto& list = doc.list;
    auto floatingWindow = [&](const char* section, auto& window, const FloatingWindowPlacement& def) {
        v.Section(section);
        v.Int("View", window.view, def.view);
        v.Int("PosX", window.posX, def.posX);
        v.Int("PosY", window.posY, def.posY);
    };

    v.Section("FrameWindow");
    v.Int("PosX", app.frame.posX, d.frame.posX);
    v.Int("PosY", app.frame.posY, d.frame.posY);
    v.Int("SizeW", app.frame.sizeW, d.frame.sizeW);
    v.Int("SizeH", app.frame.sizeH, d.frame.sizeH);
    v.Int("Max", app.frame.max, d.frame.max);

    v.Section("NewDoc");
    v.Int("Out", header.outerDiameter, 120);
    v.Int("In", header.innerDiameter, 30);

    v.Section("Grid");
    v.Int("View", app.grid.visible, d.grid.visible);
    v.Int("Space", app.grid.spacing, d.grid.spacing);
    v.Colour("Color", app.grid.color, d.grid.color);
    v.Int("Type", app.grid.lineType, d.grid.lineType);

    v.Section("Print");
    v.Int("MarginTop", header.marginTop, 15);
    v.Int(KeyName("Marginleft", "MarginLeft"), header.marginLeft, 15);
    v.Int("Tombo", header.cropMarks, 0);
    v.Int("PreviewW", header.previewPaperWidth, document::kA4WidthMm);
    v.Int("PreviewH", header.previewPaperHeight, document::kA4HeightMm);

    v.Section("DocData");
    v.Colour("BackColor", app.docDefaults.backColor, d.docDefaults.backColor);
    v.Colour("LineColor", app.docDefaults.lineColor, d.docDefaults.lineColor);
    v.Int("BorderLine", app.docDefaults.borderLine, d.docDefaults.borderLine);

    floatingWindow("ToolWindow", app.toolWindow, d.toolWindow);
    floatingWindow("PositionWindow", app.positionWindow, d.positionWindow);
    floatingWindow("LayerWindow", app.layerWindow, d.layerWindow);

    v.Section("OnePoint");
    v.Int("View", app.showTipsAtStart, d.showTipsAtStart);
    v.Int("No", app.nextTipNumber, d.nextTipNumber);

    v.Section("Flags");
    v.Int("First", app.firstRun, d.firstRun);
    v.Int("Dress", app.autoArrange, d.autoArrange);

    v.Section("View");
    v.Int("Zoom", app.zoom, d.zoom);

    v.Section("Export");
    v.Int("Format", app.exportFormat, d.exportFormat);
    v.Int("Dpi", app.exportDpi, d.exportDpi);

    v.Section("TextLayer");
    v.Text("Text", app.text.text, d.text.text);
    v.Text("FontFace", app.text.fontFace, d.text.fontFace);
    v.Int("FontSize", app.text.fontSize, d.text.fontSize);
    v.Int("FontBold", app.text.fontBold, d.text.fontBold);
    v.Int("FontItalic", app.text.fontItalic, d.text.fontItalic);
    v.Int("FontUnderLine", app.text.fontUnderline, d.text.fontUnderline);
    v.Int("FontStrike", app.text.fontStrike, d.text.fontStrike);
    v.Colour("FontColor", app.text.fontColor, d.text.fontColor);
    v.Int("PosX", app.text.posX, d.text.posX);
    v.Int("PosY", app.text.posY, d.text.posY);
    v.Int("Angle", app.text.angle, d.text.angle);
    v.Int("Shadow", app.text.shadow, d.text.shadow);
    v.Colour("ShadowColor", app.text.shadowColor, d.text.shadowColor);
    v.Int("ShadowX", app.text.shadowX, d.text.shadowX);
    v.Int("ShadowY", app.text.shadowY, d.text.shadowY);
    v.Int("Arc", app.text.arc.enabled, d.text.arc.enabled);
    v.Int("ArcRadius", app.text.arc.radius, d.text.arc.radius);
    v.Int("ArcAngle", app.text.arc.centreAngle, d.text.arc.centreAngle);
    v.Int("ArcSide", app.text.arc.side, d.text.arc.side);
    v.Int("ArcSpacing", app.text.arc.spacing, d.text.arc.spacing);

    // The picture path is read here and again from "PicFile" below, which wins.
    v.Section("PicLayer");
    v.Path("File", app.picture.picturePath);
    v.Int("Mode", app.picture.placement, d.picture.placement);
    v.Int("Ratio", app.picture.keepAspect, d.picture.keepAspect);
    v.Int("PosX", app.picture.posX, d.picture.posX);
    v.Int("PosY", app.picture.posY, d.picture.posY);
    v.Int("SizeW", app.picture.widthMm, d.picture.widthMm);
    v.Int("SizeH", app.picture.heightMm, d.picture.heightMm);

    v.Section("List");
    v.Int("PrintNo", list.printNumbers, 1);
    v.Int("AddZero", list.addZero, 1);
    v.Int("DefaultMargin", list.defaultSpacing, 2);
    v.Text("SepNoText", list.numberSeparator, ".");
    v.Text("FontFace", list.fontFace, kDefaultFontFace);
    v.Int("FontSize", list.fontSize, 12);
    v.Int("FontBold", list.fontBold, 0);
    v.Int("FontItalic", list.fontItalic, 0);
    v.Int("FontUnderLine", list.fontUnderline, 0);
    v.Int("FontStrike", list.fontStrike, 0);
    v.Colour("FontColor", list.fontColor, 0);
    v.Int("Style", list.layoutStyle, 1);
    v.Int("Top0", list.top0, 10);
    v.Int("Left0", list.left0, 30);
    v.Int("Top1", list.top1, 10);
    v.Int("Left1", list.left1, 5);
    v.Int("Top2", list.top2, 10);
    v.Int("Left2", list.left2, 5);
    v.Int("Left22", list.left22, 5);
    v.Int("No", list.secondColumnStart, 0);
    v.Int("Line", list.lineGap, 0);
    v.Int("Shadow", list.shadow, 0);
    v.Colour("ShadowColor", list.shadowColor, 0x808080);
    v.Int("ShadowX", list.shadowX, 1);
    v.Int("ShadowY", list.shadowY, 1);

    v.Section("UsedFile");
    v.Path("Path", doc.selectedFileName);

    v.Section("PicFile");
    v.Path("Path", app.picture.picturePath);

    v.Section("Medium");
    v.Int("Kind", app.medium.kind, d.medium.kind);
    v.Text("Sheet", app.medium.sheet, d.medium.sheet);
    v.Text("Positions", app.medium.positions, d.medium.positions);

    v.Section("PrinterOffset");
    v.Offsets(app.printerOffsets);
}

}  // namespace quillora::settings
