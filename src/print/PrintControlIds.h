#pragma once
// Control ids of the print settings, paper size, print preview and medium dialogs (object names
// "id<number>" through widgets::WithId); OK and ｷｬﾝｾﾙ (and the preview's 閉じる) are
// widgets::kOkId and kCancelId.
namespace quillora::print {

constexpr int kIdMarginTop = 1089;
constexpr int kIdMarginLeft = 1091;
constexpr int kIdCropMarks = 1093;
constexpr int kIdPrint = 1094;
constexpr int kIdPreview = 1095;
constexpr int kIdPrinterSetup = 1097;

constexpr int kIdA4Portrait = 1119;
constexpr int kIdA4Landscape = 1120;
constexpr int kIdPaperWidth = 1121;
constexpr int kIdPaperHeight = 1123;

constexpr int kIdPreviewOffset = 1130;

constexpr int kIdMediumPaper = 1140;
constexpr int kIdMediumSheet = 1141;
constexpr int kIdSheetList = 1142;
constexpr int kIdSheetDetails = 1143;
constexpr int kIdPositions = 1144;
constexpr int kIdAllPositions = 1145;
constexpr int kIdOffsetPrinter = 1146;
constexpr int kIdOffsetX = 1147;
constexpr int kIdOffsetY = 1148;
constexpr int kIdCalibrationPage = 1149;
constexpr int kIdMediumDisc = 1150;

}  // namespace quillora::print
