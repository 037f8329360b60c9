#pragma once
// A plain box painted in a colour: shows a colour value without letting anyone edit it.
#include <QWidget>

#include "document/Records.h"

namespace quillora::widgets {

class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    void SetColour(document::Colour colour);
    document::Colour Colour() const { return colour_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    document::Colour colour_ = 0;
};

}  // namespace quillora::widgets
