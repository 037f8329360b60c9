#include "ui/UiFont.h"

#include <QString>

namespace quillora::ui {

void RegisterFontSubstitutions() {
    static const bool done = [] {
        QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
        QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
        QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
        QFont::insertSubstitution(QString::fromUtf8("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
        return true;
    }();
    (void)done;
}

QFont UiFont() {
    RegisterFontSubstitutions();
    QFont font(QString::fromUtf8("ＭＳ Ｐゴシック"));
    // A 12-pixel cell: IPA P Gothic fills it at 11 pixels per em (2048 units, 1802 + 401).
    font.setPixelSize(11);
    return font;
}

}  // namespace quillora::ui
