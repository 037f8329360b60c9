#pragma once
// A small window without caption, centred on the screen, showing the program icon and a text
// while a long operation runs synchronously ("ﾌｧｲﾙを開いています。しばらくお待ち下さい...").
#include <QWidget>

class QLabel;

namespace quillora::windows {

class NoticeWindow : public QWidget {
    Q_OBJECT
public:
    explicit NoticeWindow(const QString& text);

    QString Text() const;
    // Shows the window centred and paints it at once, before the caller starts working.
    void ShowNotice();

private:
    QLabel* text_;
};

}  // namespace quillora::windows
