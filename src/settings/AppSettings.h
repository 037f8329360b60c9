#pragma once
// Program-wide values kept in the settings file that are not fields of the document.
#include <cstdint>

#include "document/LabelDocument.h"
#include "document/LayerSettings.h"
#include "document/Records.h"
#include "settings/GridLineType.h"
#include "settings/PrintMedium.h"

namespace quillora::settings {

// Code page 932 bytes of the texts new layers start with.
inline constexpr char kDefaultLayerText[] = "\x82\xb1\x82\xb1\x82\xc9\x95\xb6\x8e\x9a\x82\xf0\x93\xfc\x97\xcd";  // ここに文字を入力
inline constexpr char kDefaultFontFace[] = "\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9";  // ＭＳ Ｐ明朝

// A text arc starts 55 mm (in 0.1 mm) from the centre: along the rim of a 120 mm disc.
inline constexpr std::int32_t kDefaultArcRadius = 550;

// The frame's size at the first start, centred on the screen.
inline constexpr std::int32_t kFirstRunFrameWidth = 800;
inline constexpr std::int32_t kFirstRunFrameHeight = 600;

struct FramePlacement {
    std::int32_t posX = 0, posY = 0, sizeW = kFirstRunFrameWidth, sizeH = kFirstRunFrameHeight, max = 0;
};
struct FloatingWindowPlacement { std::int32_t view = 1, posX = 0, posY = 0; };
// The grid spacing the environment settings accept and the view draws, in mm.
inline constexpr std::int32_t kMinGridSpacing = 5;
inline constexpr std::int32_t kMaxGridSpacing = 100;

struct GridSettings {
    std::int32_t visible = 0, spacing = kMinGridSpacing;
    document::Colour color = 0x808080;
    std::int32_t lineType = static_cast<std::int32_t>(GridLineType::Dot);
};

struct AppSettings {
    FramePlacement frame;
    GridSettings grid;
    document::NewDocumentDefaults docDefaults;
    FloatingWindowPlacement toolWindow, positionWindow, layerWindow;
    std::int32_t showTipsAtStart = 1, nextTipNumber = 0, firstRun = 1, autoArrange = 0;
    std::int32_t zoom = 100;  // the document window's, in percent; 100 is 3 pixels per millimetre
    std::int32_t exportFormat = 0, exportDpi = 300;  // the export's last choice: 0 PNG, 1 PDF
    document::TextLayerSettings text;
    document::PicLayerSettings picture;
    MediumSettings medium;
    PrinterOffsets printerOffsets;
    AppSettings();
};

}  // namespace quillora::settings
