#include "windows/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "resources/Resources.h"
#include "desktop/AppIcon.h"

namespace quillora::windows {
namespace {

const QString kHelpFolder = QStringLiteral("qrc:/quillora/help/");

QPushButton* NavigationButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    resources::EnsureResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8("Quillora ﾍﾙﾌﾟ"));
    setWindowIcon(desktop::ApplicationIcon());
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* contents = NavigationButton("目次(&C)", "contentsButton", this);
    auto* back = NavigationButton("戻る(&B)", "backButton", this);
    auto* forward = NavigationButton("進む(&F)", "forwardButton", this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);
    resize(640, 520);
}

void HelpWindow::ShowContents() { ShowPage(QStringLiteral("index.html")); }

void HelpWindow::ShowHelpOnHelp() { ShowPage(QStringLiteral("usinghelp.html")); }

QUrl HelpWindow::CurrentPage() const { return browser_->source(); }

void HelpWindow::ShowPage(const QString& page) {
    browser_->setSource(QUrl(kHelpFolder + page));
    show();
    raise();
    activateWindow();
}

}  // namespace quillora::windows
