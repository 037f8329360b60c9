#include "widgets/DialogSize.h"

#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLayout>

#include "widgets/UiFont.h"

namespace quillora::widgets {

QSize DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.ascent() + metrics.descent()};
}

QSize DialogUnitsToPixels(const QFont& font, int widthDu, int heightDu) {
    const QSize base = DialogBaseUnits(font);
    return {widthDu * base.width() / 4, heightDu * base.height() / 8};
}

void FixDialogSize(QDialog& dialog, int widthDu, int heightDu) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFont(UiFont());
    if (QLayout* layout = dialog.layout()) {
        layout->invalidate();
        layout->activate();
    }
    dialog.setFixedSize(DialogUnitsToPixels(dialog.font(), widthDu, heightDu).expandedTo(dialog.minimumSizeHint()));
}

}  // namespace quillora::widgets
