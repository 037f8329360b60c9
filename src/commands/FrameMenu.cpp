#include "commands/FrameMenu.h"

#include <QKeySequence>
#include <array>

#include "workspace/Captions.h"

namespace quillora::commands {
namespace {

using enum CommandId;
namespace caption = workspace::caption;
constexpr int Ctrl = Qt::CTRL;
constexpr int Shift = Qt::SHIFT;

constexpr MenuItem kSeparator{std::nullopt, nullptr, nullptr, 0, false};

const std::array kFile{
    MenuItem{New, "新規作成(&N)...", "Ctrl+N", Ctrl | Qt::Key_N, false},
    MenuItem{Open, "開く(&O)...", "Ctrl+O", Ctrl | Qt::Key_O, false},
    MenuItem{Close, "閉じる(&C)", nullptr, 0, false},
    kSeparator,
    MenuItem{Save, "上書き保存(&S)", "Ctrl+S", Ctrl | Qt::Key_S, false},
    MenuItem{SaveAs, "名前を付けて保存(&A)...", nullptr, 0, false},
    MenuItem{Export, "ｴｸｽﾎﾟｰﾄ(&E)...", nullptr, 0, false},
    kSeparator,
    MenuItem{Exit, "終了(&X)", "Ctrl+Q", Ctrl | Qt::Key_Q, false},
};

// The captions name the step as well; the history sets them.
const std::array kEdit{
    MenuItem{Undo, "元に戻す(&U)", "Ctrl+Z", Ctrl | Qt::Key_Z, false},
    MenuItem{Redo, "やり直し(&R)", "Ctrl+Y", Ctrl | Qt::Key_Y, false},
};

const std::array kPrint{
    MenuItem{Print, caption::kPrintItem, "Ctrl+P", Ctrl | Qt::Key_P, false},
    kSeparator,
    MenuItem{PrintSettings, "印刷設定(&E)...", "Ctrl+R", Ctrl | Qt::Key_R, false},
    MenuItem{PrinterSetup, "ﾌﾟﾘﾝﾀ設定(&S)...", nullptr, 0, false},
    MenuItem{PrintPreview, caption::kPrintPreviewItem, "Ctrl+V", Ctrl | Qt::Key_V, false},
    kSeparator,
    MenuItem{PrintMedium, "ﾗﾍﾞﾙ用紙と位置補正(&M)...", nullptr, 0, false},
};

const std::array kLayer{
    MenuItem{NewTextLayer, caption::kNewTextLayerItem, "Shift+T", Shift | Qt::Key_T, false},
    MenuItem{NewPictureLayer, caption::kNewPictureLayerItem, "Shift+P", Shift | Qt::Key_P, false},
    kSeparator,
    MenuItem{ListLayer, caption::kListLayerItem, "Shift+L", Shift | Qt::Key_L, false},
    MenuItem{BackgroundLayer, caption::kBackgroundLayerItem, "Shift+B", Shift | Qt::Key_B, false},
    kSeparator,
    MenuItem{MoveUp, "上のﾚｲﾔｰと入れ替え(&U)", "Shift+[↑]", Shift | Qt::Key_Up, false},
    MenuItem{MoveDown, "下のﾚｲﾔｰと入れ替え(&D)", "Shift+[↓]", Shift | Qt::Key_Down, false},
    MenuItem{CopyLayer, "ﾚｲﾔｰｺﾋﾟｰ(&C)", "Shift+C", Shift | Qt::Key_C, false},
    MenuItem{DeleteLayer, "ﾚｲﾔｰ削除(&E)...", "Shift+Del", Shift | Qt::Key_Delete, false},
};

const std::array kView{
    MenuItem{ToolWindow, "ﾂｰﾙｳｨﾝﾄﾞｳ(&T)", nullptr, 0, true},
    MenuItem{PositionWindow, "ﾎﾟｼﾞｼｮﾝｳｨﾝﾄﾞｳ(&P)", nullptr, 0, true},
    MenuItem{LayerWindow, "ﾚｲﾔｰｳｨﾝﾄﾞｳ(&L)", nullptr, 0, true},
    kSeparator,
    MenuItem{Grid, "ｸﾞﾘｯﾄﾞ(&G)", "Ctrl+G", Ctrl | Qt::Key_G, true},
    kSeparator,
    MenuItem{ZoomIn, "拡大(&I)", "Ctrl++", Ctrl | Qt::Key_Plus, false},
    MenuItem{ZoomOut, "縮小(&O)", "Ctrl+-", Ctrl | Qt::Key_Minus, false},
    MenuItem{ZoomActualSize, "100%(&Z)", "Ctrl+0", Ctrl | Qt::Key_0, false},
};

const std::array kWindow{
    MenuItem{ArrangeWindows, "各ｳｨﾝﾄﾞｳの整列(&D)", "Ctrl+D", Ctrl | Qt::Key_D, false},
    MenuItem{FitDocument, "ﾄﾞｷｭﾒﾝﾄｻｲｽﾞの最適化(&S)", "Ctrl+E", Ctrl | Qt::Key_E, false},
};

const std::array kOther{
    MenuItem{Help, "ﾍﾙﾌﾟ(&H)...", "F1", Qt::Key_F1, false},
    MenuItem{HelpOnHelp, "ﾍﾙﾌﾟの使い方(&E)...", "Ctrl+F1", Ctrl | Qt::Key_F1, false},
    MenuItem{Tips, "ﾜﾝﾎﾟｲﾝﾄ(&O)...", nullptr, 0, false},
    kSeparator,
    MenuItem{Environment, "環境設定(&P)...", nullptr, 0, false},
    kSeparator,
    MenuItem{WebSite, "Brenmoor, Inc. Webｻｲﾄ(&W)...", nullptr, 0, false},
    MenuItem{About, "ﾊﾞｰｼﾞｮﾝ情報(&A)...", nullptr, 0, false},
};

const std::array kPopups{
    MenuPopup{"ﾌｧｲﾙ(&F)", kFile},     MenuPopup{"編集(&E)", kEdit},       MenuPopup{"印刷(&P)", kPrint},
    MenuPopup{"ﾚｲﾔｰ(&L)", kLayer},
    MenuPopup{"表示(&V)", kView},     MenuPopup{"ｳｨﾝﾄﾞｳ(&W)", kWindow}, MenuPopup{"その他(&O)", kOther},
};

}  // namespace

std::span<const MenuPopup> FrameMenu() { return kPopups; }

const MenuItem* FindMenuItem(CommandId id) {
    for (const MenuPopup& popup : kPopups)
        for (const MenuItem& item : popup.items)
            if (item.id == id) return &item;
    return nullptr;
}

QString MenuCaption(const MenuItem& item, const QString& detail) {
    QString caption = QString::fromUtf8(item.caption);
    if (!detail.isEmpty()) caption += QStringLiteral("：") + detail;
    if (item.shortcutText) caption += QLatin1Char('\t') + QString::fromUtf8(item.shortcutText);
    return caption;
}

}  // namespace quillora::commands
