#pragma once
// The controls of 環境設定's pages by their ids, for the pages and their tests alike (set with
// widgets::WithId).
namespace quillora::environment::environment_id {

inline constexpr int kGridVisible = 1400, kGridColour = 1401, kChooseGridColour = 1402, kGridLineType = 1403,
                     kGridSpacing = 1404;
inline constexpr int kSetAssociation = 1410, kRemoveAssociation = 1411;
inline constexpr int kShowTips = 1420, kAutoArrange = 1421;

}  // namespace quillora::environment::environment_id
