#pragma once
// The controls of the list sheet's pages and of its two dialogs by their ids, for the pages and
// their tests alike (set with widgets::WithId).
namespace quillora::listlayer::list_sheet_id {

// ﾘｽﾄ page.
inline constexpr int kListView = 1300, kEntryText = 1301, kEntrySpacing = 1302, kAdd = 1303, kDelete = 1304,
                     kUp = 1305, kDown = 1306, kBulkSpacing = 1307, kDetails = 1308, kImportFile = 1309,
                     kImportFolder = 1310;
// ﾚｲｱｳﾄ page: the three style buttons, their pictures and the eight number fields.
inline constexpr int kStyle0 = 1320, kStyleIcon0 = 1323, kField0 = 1330;
constexpr int StyleId(int style) { return kStyle0 + style; }
constexpr int StyleIconId(int style) { return kStyleIcon0 + style; }
constexpr int FieldId(int field) { return kField0 + field; }
// 書式 page.
inline constexpr int kFont = 1340, kChooseFont = 1341, kFontColour = 1342, kChooseFontColour = 1343, kLineGap = 1344,
                     kShadow = 1345, kShadowColour = 1346, kChooseShadowColour = 1347, kShadowX = 1348,
                     kShadowY = 1349;
// 詳細設定 and 間隔設定 dialogs.
inline constexpr int kPrintNumbers = 1350, kAddZero = 1351, kSeparator = 1352, kDefaultSpacing = 1353,
                     kBulkSpacingValue = 1354;

}  // namespace quillora::listlayer::list_sheet_id
