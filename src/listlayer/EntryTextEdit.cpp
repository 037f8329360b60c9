#include "EntryTextEdit.h"

#include <QTextCursor>
#include <algorithm>
#include <optional>
#include <utility>

#include "ListSlots.h"
#include "text/Cp932.h"
#include "document/Limits.h"
#include "canvas/RecordText.h"

namespace quillora::listlayer {
namespace {

std::optional<std::string> ToEntryBytes(QString text) {
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text::Utf8ToCp932(text.toStdString());
}

}  // namespace

EntryTextEdit::EntryTextEdit(std::function<void()> beep, QWidget* parent)
    : QPlainTextEdit(parent), beep_(std::move(beep)) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &EntryTextEdit::CheckText);
}

std::string EntryTextEdit::EntryBytes() const { return ToEntryBytes(toPlainText()).value_or(std::string()); }

void EntryTextEdit::SetEntryBytes(std::string_view bytes) {
    QString text = canvas::Cp932ToQString(bytes);
    text.remove(QLatin1Char('\r'));
    setPlainText(text);
}

void EntryTextEdit::CheckText() {
    if (reverting_) return;
    const QString now = toPlainText();
    const std::optional<std::string> bytes = ToEntryBytes(now);
    if (bytes && bytes->size() <= document::kEntryTextBytes) {
        accepted_ = now;
        return;
    }
    // Put back what was there, with the cursor where the refused input began.
    const int position = std::min<int>(textCursor().position(), int(accepted_.size()));
    reverting_ = true;
    setPlainText(accepted_);
    reverting_ = false;
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::max(0, std::min<int>(position, int(accepted_.size()))));
    setTextCursor(cursor);
    beep_();
}

}  // namespace quillora::listlayer
