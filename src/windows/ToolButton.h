#pragma once
// One picture button of the tool window: a 94 x 19 push-button face with its label, drawn by us
// in one of three looks chosen from the command, whether a document is open and the pressed state.
#include <QAbstractButton>

#include "document/LabelDocument.h"

namespace quillora::windows {

enum class ToolButtonLook { Released, Pressed, Unavailable };

// A button is available either without a document (new) or with one (all the others).
ToolButtonLook ToolButtonLookFor(bool available, bool pressed);

class ToolButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kWidth = 94;
    static constexpr int kHeight = 19;

    ToolButton(int id, const QString& label, bool availableWithoutDocument, const document::LabelDocument& doc,
               QWidget* parent);

    int Id() const { return id_; }
    // Whether a click on it counts now.
    bool Available() const { return availableWithoutDocument_ != doc_.documentOpen; }
    QString Label() const { return text(); }
    ToolButtonLook Look() const;
    // Face colour of a look in the current palette (the pressed face is the highlight white).
    QColor FaceColour(ToolButtonLook look) const;

    QSize sizeHint() const override { return QSize(kWidth, kHeight); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int id_;
    bool availableWithoutDocument_;
    const document::LabelDocument& doc_;
};

}  // namespace quillora::windows
