#pragma once
// The program's words that appear in more than one place, UTF-8: the product name, the names
// that a dialog's title and its step in the edit history share, the menu items that the frame
// and the document window both offer, and the common buttons and message captions.
namespace quillora::workspace::caption {

inline constexpr char kProductName[] = "Quillora";

// Dialog titles, which are also the names undo and redo show for the step.
inline constexpr char kNewTextLayer[] = "新規文字ﾚｲﾔｰ";
inline constexpr char kNewPictureLayer[] = "新規画像ﾚｲﾔｰ";
inline constexpr char kTextLayerSettings[] = "文字ﾚｲﾔｰの設定";
inline constexpr char kPictureLayerSettings[] = "画像ﾚｲﾔｰの設定";
inline constexpr char kBackgroundLayerSettings[] = "背景ﾚｲﾔｰの設定";
inline constexpr char kListLayerSettings[] = "ﾘｽﾄﾚｲﾔｰの設定";
inline constexpr char kPrintSettings[] = "印刷設定";
// Steps without a dialog of their own (deleting asks under this caption too).
inline constexpr char kCopyLayer[] = "ﾚｲﾔｰｺﾋﾟｰ";
inline constexpr char kDeleteLayer[] = "ﾚｲﾔｰ削除";
inline constexpr char kMoveLayer[] = "ﾚｲﾔｰ移動";
inline constexpr char kToggleLayer[] = "表示切替";

// Menu items of both the frame's menu and the document window's menu.
inline constexpr char kNewTextLayerItem[] = "新規文字ﾚｲﾔｰ(&T)...";
inline constexpr char kNewPictureLayerItem[] = "新規画像ﾚｲﾔｰ(&P)...";
inline constexpr char kListLayerItem[] = "ﾘｽﾄﾚｲﾔｰの設定(&L)...";
inline constexpr char kBackgroundLayerItem[] = "背景ﾚｲﾔｰの設定(&B)...";
// Items of the frame's menu that a dialog offers as buttons too.
inline constexpr char kPrintItem[] = "印刷(&P)...";
inline constexpr char kPrintPreviewItem[] = "印刷ﾌﾟﾚﾋﾞｭｰ(&R)...";

// Buttons and message captions.
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "ｷｬﾝｾﾙ";
inline constexpr char kApply[] = "適用(&A)";
inline constexpr char kClose[] = "閉じる";
inline constexpr char kConfirm[] = "確認";
inline constexpr char kWarning[] = "警告";
// A file that could not be written, with its path for %1.
inline constexpr char kCannotWrite[] = "\"%1\" に書き込めません。";

}  // namespace quillora::workspace::caption
