#pragma once
// A button's mnemonic (Alt+D) clicks it at once. Qt animates the click and acts 100 ms later, so
// keys typed right after it would reach the focused field before the button has acted.
#include <QObject>

namespace quillora::widgets {

class ImmediateMnemonics : public QObject {
public:
    // Watches every button of the application while it lives.
    ImmediateMnemonics();
    ~ImmediateMnemonics() override;
    ImmediateMnemonics(const ImmediateMnemonics&) = delete;
    ImmediateMnemonics& operator=(const ImmediateMnemonics&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quillora::widgets
