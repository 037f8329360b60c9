#pragma once
// The multi-line entry field: Enter starts a new line. Like the single-line fields it lets in
// only what an entry can hold (code page 932, 255 bytes with CR LF line breaks); anything else
// is undone with a beep.
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <string_view>

namespace quillora::listlayer {

class EntryTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    EntryTextEdit(std::function<void()> beep, QWidget* parent = nullptr);

    // The text as code page 932 bytes with CR LF line breaks.
    std::string EntryBytes() const;
    void SetEntryBytes(std::string_view bytes);

private:
    void CheckText();

    std::function<void()> beep_;
    QString accepted_;
    bool reverting_ = false;
};

}  // namespace quillora::listlayer
