#pragma once
// Control ids of the print settings, paper size and print preview dialogs (object names
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

}  // namespace quillora::print
