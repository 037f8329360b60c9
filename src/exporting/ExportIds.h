#pragma once
// Control ids of the export dialog (object names "id<number>" through widgets::WithId); OK and
// ｷｬﾝｾﾙ are widgets::kOkId and kCancelId.
namespace quillora::exporting {

constexpr int kIdPng = 1301;
constexpr int kIdPdf = 1302;
constexpr int kIdDpi = 1303;

}  // namespace quillora::exporting
