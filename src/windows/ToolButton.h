#pragma once
// One picture button of the tool window: a 94 x 19 push-button face with its label, drawn by us
// in one of three looks chosen from the command, whether a document is open and the pressed state.
#include <QAbstractButton>

namespace quillora::document {
class LabelDocument;
}

namespace quillora::windows {

enum class ToolButtonLook { Released, Pressed, Unavailable };

inline constexpr int kNewDocumentCommand = 40067;

// New document is available only without a document, the other commands only with one.
ToolButtonLook ToolButtonLookFor(int commandId, bool documentOpen, bool pressed);

class ToolButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kWidth = 94;
    static constexpr int kHeight = 19;

    ToolButton(int commandId, const QString& label, const document::LabelDocument& doc, QWidget* parent);

    int commandId() const { return commandId_; }
    QString label() const { return text(); }
    ToolButtonLook look() const;
    // Face colour of a look in the current palette (the pressed face is the highlight white).
    QColor faceColour(ToolButtonLook look) const;

    QSize sizeHint() const override { return QSize(kWidth, kHeight); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int commandId_;
    const document::LabelDocument& doc_;
};

}  // namespace quillora::windows
