#include "PropertySheet.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "DialogSize.h"
#include "PropertyPage.h"

namespace quillora::widgets {

PropertySheet::PropertySheet(QWidget* parent, const QString& title) : QDialog(parent) {
    setWindowTitle(title);
    // No context-help button in the title bar.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    DialogButtons buttons = AddDialogButtons(*this, *layout, QStringLiteral("適用(&A)"), 0x3021);
    apply_ = buttons.apply;
    connect(apply_, &QPushButton::clicked, this, &PropertySheet::ApplyPages);
    connect(tabs_, &QTabWidget::currentChanged, this, &PropertySheet::ShowPage);
}

void PropertySheet::AddPage(const QString& title, PageFactory make) {
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    pages_.push_back({std::move(make), holder, nullptr});
    const int index = tabs_->addTab(holder, title);
    if (index == tabs_->currentIndex()) ShowPage(index);
}

PropertyPage* PropertySheet::Page(int index) const {
    if (index < 0 || index >= int(pages_.size())) return nullptr;
    return pages_[index].page;
}

void PropertySheet::BuildPage(int index) {
    if (index < 0 || index >= int(pages_.size()) || pages_[index].page) return;
    PageSlot& slot = pages_[index];
    slot.page = slot.make(slot.holder);
    slot.holder->layout()->addWidget(slot.page);
    connect(slot.page, &PropertyPage::changed, apply_, [this] { apply_->setEnabled(true); });
}

void PropertySheet::ShowPage(int index) {
    BuildPage(index);
    if (index >= 0 && index < int(pages_.size())) pages_[index].shown = true;
}

void PropertySheet::setVisible(bool visible) {
    if (visible && !sized_) {
        for (int i = 0; i < int(pages_.size()); ++i) BuildPage(i);
        FixDialogSize(*this, 0, 0);
        sized_ = true;
    }
    QDialog::setVisible(visible);
}

void PropertySheet::ApplyPages() {
    for (PageSlot& slot : pages_)
        if (slot.shown) slot.page->Apply();
    apply_->setEnabled(false);
    emit applied();
}

void PropertySheet::accept() {
    ApplyPages();
    QDialog::accept();
}

}  // namespace quillora::widgets
