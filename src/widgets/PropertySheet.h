#pragma once
// A property sheet: pages on tabs above OK, ｷｬﾝｾﾙ and 適用. Every page is built before the sheet
// first appears, so its size is fixed once for the largest page; only pages whose tab has been
// shown apply, in page order. Apply is enabled while a page has reported a change that has not
// been applied.
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
    // The page at a tab, null while it has not been built.
    PropertyPage* Page(int index) const;
    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* ApplyButton() const { return apply_; }

    void accept() override;
    void setVisible(bool visible) override;

signals:
    // After every built page has applied.
    void applied();

private:
    struct PageSlot {
        PageFactory make;
        QWidget* holder = nullptr;
        PropertyPage* page = nullptr;
        bool shown = false;
    };

    void BuildPage(int index);
    void ShowPage(int index);
    void ApplyPages();

    QTabWidget* tabs_;
    QPushButton* apply_;
    std::vector<PageSlot> pages_;
    bool sized_ = false;
};

}  // namespace quillora::widgets
