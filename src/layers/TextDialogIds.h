#pragma once
// The text layer dialog's controls by their ids, for the dialog and its tests alike (set with
// widgets::WithId).
namespace quillora::layers::text_dialog_id {

inline constexpr int kText = 1036, kFont = 1041, kFontButton = 1042, kFontColour = 1043, kFontColourButton = 1044,
                     kPosX = 1045, kAngle = 1047, kPosY = 1049, kApply = 1115, kShadow = 1132,
                     kShadowColour = 1133, kShadowColourButton = 1134, kShadowX = 1135, kShadowY = 1137;
// The "円弧に沿って配置" group: the group's own check box turns the arc on.
inline constexpr int kArc = 1139, kArcRadius = 1140, kArcFitRim = 1141, kArcCentreAngle = 1142, kArcOutside = 1143,
                     kArcInside = 1144, kArcSpacing = 1145, kArcCutNotice = 1146;

}  // namespace quillora::layers::text_dialog_id
