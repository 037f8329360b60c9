#include "workspace/QtPrintDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPrintEngine>
#include <QPrinter>
#include <QRadioButton>

namespace quillora::workspace {
namespace {

// Qt's CUPS engine keeps the job's options as a list of names and values under this key.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The object names Qt's dialogs give their controls.
constexpr char kPaperCombo[] = "pageSizeCombo";
constexpr char kLandscape[] = "landscape";
constexpr char kPortrait[] = "portrait";
constexpr const char* kOnePageOnly[] = {"gbPrintRange", "pageSetCombo", "pageSetLabel"};

void ShowPaper(QWidget& controls, const QPageSize& paper, QPageLayout::Orientation orientation) {
    auto* combo = controls.findChild<QComboBox*>(kPaperCombo);
    for (int i = 0; combo && i < combo->count(); ++i) {
        if (combo->itemData(i).value<QPageSize>().isEquivalentTo(paper)) {
            combo->setCurrentIndex(i);
            break;
        }
    }
    const char* button = orientation == QPageLayout::Landscape ? kLandscape : kPortrait;
    if (auto* radio = controls.findChild<QRadioButton*>(button)) radio->setChecked(true);
}

void SetOption(QStringList& options, const QString& name, const QString& value) {
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        if (options[i] == name) {
            options[i + 1] = value;
            return;
        }
    }
    options << name << value;
}

}  // namespace

QtPrintDialogs::QtPrintDialogs(QPrinter& printer)
    : printer_(printer), paper_(printer.pageLayout().pageSize()), orientation_(printer.pageLayout().orientation()) {
    qApp->installEventFilter(this);
}

QtPrintDialogs::~QtPrintDialogs() { qApp->removeEventFilter(this); }

bool QtPrintDialogs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow()) return false;
    for (const char* name : kOnePageOnly)
        if (auto* control = window->findChild<QWidget*>(name)) control->setEnabled(false);
    if (window->findChild<QComboBox*>(kPaperCombo)) {
        ShowPaper(*window, printer_.pageLayout().pageSize(), printer_.pageLayout().orientation());
        paperControls_ = window;
    }
    return false;
}

void QtPrintDialogs::Confirm() {
    QPageSize paper = paper_;
    QPageLayout::Orientation orientation = orientation_;
    if (paperControls_) {
        if (auto* combo = paperControls_->findChild<QComboBox*>(kPaperCombo)) {
            const QPageSize chosen = combo->currentData().value<QPageSize>();
            if (chosen.isValid()) paper = chosen;
        }
        if (auto* landscape = paperControls_->findChild<QRadioButton*>(kLandscape))
            orientation = landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    }
    // Size and orientation alone: the margins follow the queue's minimum.
    printer_.setPageSize(paper);
    printer_.setPageOrientation(orientation);
    if (printer_.outputFormat() != QPrinter::NativeFormat) return;
    QPrintEngine* engine = printer_.printEngine();
    QStringList options = engine->property(kCupsOptions).toStringList();
    SetOption(options, QStringLiteral("number-up"), QStringLiteral("1"));
    SetOption(options, QStringLiteral("page-set"), QStringLiteral("all"));
    engine->setProperty(kCupsOptions, options);
    printer_.setPrintRange(QPrinter::AllPages);
}

}  // namespace quillora::workspace
