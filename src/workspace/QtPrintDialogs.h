#pragma once
// Qt's print and page setup dialogs, made to keep what the program asks of a print.
//  - Both start their paper controls at the queue's default paper, not the printer's, and drop
//    a chosen paper whose 0 mm margins the queue refuses: the paper and orientation the user
//    leaves or chooses there are put on the printer here.
//  - One page is printed: the page range, the page set (odd / even) and several pages per
//    sheet would print nothing or a shrunken label.
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>

class QPrinter;
class QWidget;

namespace quillora::workspace {

class QtPrintDialogs : public QObject {
public:
    // Watches the dialogs shown while it lives; `printer` is the one they were opened on.
    explicit QtPrintDialogs(QPrinter& printer);
    ~QtPrintDialogs() override;
    QtPrintDialogs(const QtPrintDialogs&) = delete;
    QtPrintDialogs& operator=(const QtPrintDialogs&) = delete;

    // After OK: the paper and orientation of the last paper controls shown, or the printer's
    // own from before when none were; one page per sheet, every page.
    void Confirm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPrinter& printer_;
    QPageSize paper_;
    QPageLayout::Orientation orientation_;
    QPointer<QWidget> paperControls_;
};

}  // namespace quillora::workspace
