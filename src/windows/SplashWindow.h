#pragma once
// The picture shown in the middle of the screen while the program starts.
#include <QPixmap>
#include <QWidget>

namespace quillora::windows {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Sized to its picture and centred on the primary screen; shown by the caller.
    SplashWindow();

    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace quillora::windows
