#pragma once
// The help manual: HTML pages from the resources in a browser window of its own.
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace quillora::windows {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // F1: the contents page.
    void ShowContents();
    // Ctrl+F1: how to use this window.
    void ShowHelpOnHelp();

    QTextBrowser* Browser() const { return browser_; }
    QUrl CurrentPage() const;

private:
    void ShowPage(const QString& page);

    QTextBrowser* browser_;
};

}  // namespace quillora::windows
