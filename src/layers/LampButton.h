#pragma once
// The lamp at the left of a layer window row: its colour tells the layer's kind, grey when the
// layer is hidden; the background's row shows an empty frame.
#include <QAbstractButton>

namespace quillora::layers {

enum class Lamp { None, Frame, List, Text, Picture, Hidden };

class LampButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit LampButton(QWidget* parent);

    // Takes effect with the next repaint, which the layer window does itself.
    void SetLamp(Lamp lamp) { lamp_ = lamp; }
    Lamp ShownLamp() const { return lamp_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Lamp lamp_ = Lamp::None;
};

}  // namespace quillora::layers
