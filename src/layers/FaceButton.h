#pragma once
// A command button of the layer window, drawn in the classic three-dimensional look: grey face,
// white when pressed. The disabled look is only a picture: the button still sends its command,
// and the layer operation then does nothing.
#include <QAbstractButton>

namespace quillora::layers {

class FaceButton : public QAbstractButton {
    Q_OBJECT
public:
    // A face lettered with `text`.
    FaceButton(const QString& text, QSize size, QWidget* parent);
    // A face with a black arrow (Qt::UpArrow or Qt::DownArrow).
    FaceButton(Qt::ArrowType arrow, QSize size, QWidget* parent);

    // Takes effect with the next repaint, which the layer window does itself.
    void SetDisabledLook(bool disabled) { disabledLook_ = disabled; }
    bool DisabledLook() const { return disabledLook_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintArrow(QPainter& painter, const QColor& colour) const;

    Qt::ArrowType arrow_ = Qt::NoArrow;
    bool disabledLook_ = true;
};

}  // namespace quillora::layers
