#pragma once
// One page of a PropertySheet: it writes its controls on Apply and says when they changed.
#include <QWidget>

namespace quillora::widgets {

class PropertyPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Writes what the page shows; the sheet calls it for shown pages only.
    virtual void Apply() = 0;

signals:
    // Enables the sheet's Apply button.
    void changed();
};

}  // namespace quillora::widgets
