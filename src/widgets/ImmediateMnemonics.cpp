#include "widgets/ImmediateMnemonics.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QShortcutEvent>

namespace quillora::widgets {

ImmediateMnemonics::ImmediateMnemonics() { QCoreApplication::instance()->installEventFilter(this); }

ImmediateMnemonics::~ImmediateMnemonics() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool ImmediateMnemonics::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Shortcut) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    // An ambiguous mnemonic only moves the focus, as Qt does it.
    if (!button || static_cast<QShortcutEvent*>(event)->isAmbiguous()) return false;
    // As Qt's animated click: only a check box or radio button takes the focus.
    if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus)) button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}

}  // namespace quillora::widgets
