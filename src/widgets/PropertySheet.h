#pragma once
// A property sheet: pages on tabs above OK, ｷｬﾝｾﾙ and 適用. A page is built the first time its
// tab is shown, and only built pages apply, in page order. Apply is enabled while a page has
// reported a change that has not been applied.
#include <QDialog>
#include <functional>
#include <vector>

class QPushButton;
class QTabWidget;

namespace quillora::widgets {

class PropertyPage;

class PropertySheet : public QDialog {
    Q_OBJECT
public:
    using PageFactory = std::function<PropertyPage*(QWidget* parent)>;

    PropertySheet(QWidget* parent, const QString& title);

    // The first page added is the start page and is built at once.
    void AddPage(const QString& title, PageFactory make);
    // The page at a tab, null while it has not been shown.
    PropertyPage* Page(int index) const;
    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* ApplyButton() const { return apply_; }

    void accept() override;

signals:
    // After every built page has applied.
    void applied();

private:
    struct PageSlot {
        PageFactory make;
        QWidget* holder = nullptr;
        PropertyPage* page = nullptr;
    };

    void BuildPage(int index);
    void ApplyPages();

    QTabWidget* tabs_;
    QPushButton* apply_;
    std::vector<PageSlot> pages_;
};

}  // namespace quillora::widgets
