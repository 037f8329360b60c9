#pragma once
// The text layer dialog's "円弧に沿って配置" group: the arc on or off (the group's check box),
// its radius, centre angle, side and letter spacing, and a notice when the text is longer than
// one turn.
#include <QGroupBox>

#include "document/TextArc.h"

class QLabel;
class QRadioButton;

namespace quillora::widgets {
class NumberField;
}

namespace quillora::layers {

class ArcTextGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ArcTextGroup(QWidget* parent);

    void Show(const document::TextArc& arc);
    document::TextArc Shown() const;
    void SetRadius(int radius);
    void ShowCut(bool cut);

signals:
    // Any change of a value, typed, stepped or clicked.
    void edited();
    // "外周に合わせる": the dialog knows the disc and the font.
    void fitRimRequested();

private:
    widgets::NumberField* radius_;
    widgets::NumberField* centreAngle_;
    QRadioButton* outside_;
    QRadioButton* inside_;
    widgets::NumberField* spacing_;
    QLabel* cutNotice_;
};

}  // namespace quillora::layers
