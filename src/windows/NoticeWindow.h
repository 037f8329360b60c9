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
    // Shows the window centred and returns once it is on the screen painted, so that work that
    // lets no events through can follow (or after kExposeWaitMs without a window system answer).
    void ShowNotice();

    static constexpr int kExposeWaitMs = 1000;

private:
    static constexpr int kExposePollMs = 10;

    QLabel* text_;
};

}  // namespace quillora::windows
