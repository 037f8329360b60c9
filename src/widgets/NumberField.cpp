#include "widgets/NumberField.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSizePolicy>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace quillora::widgets {

int ReadDialogNumber(const QString& text, bool isSigned) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (isSigned && i < t.size() && t[i] == QLatin1Char('-')) {
        negative = true;
        ++i;
    }
    if (i == t.size()) return 0;
    long long v = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return 0;
        v = v * 10 + (c.unicode() - '0');
        if (v > UINT_MAX) return 0;  // does not fit: not a number
    }
    if (isSigned) {
        if (negative) v = -v;
        return (v < INT_MIN || v > INT_MAX) ? 0 : int(v);
    }
    return int(std::min<long long>(v, INT_MAX));
}

namespace {

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

}  // namespace

NumberField::NumberField(int min, int max, Kind kind, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), kind_(kind), edit_(new QLineEdit(this)),
      up_(MakeArrow(Qt::UpArrow, this)), down_(MakeArrow(Qt::DownArrow, this)) {
    edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (kind_ == DigitsOnly)
        edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
    edit_->installEventFilter(this);
    setFocusProxy(edit_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    FitEditToDigits();

    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(edit_, 1);
    row->addLayout(arrows);

    connect(edit_, &QLineEdit::textChanged, this, &NumberField::edited);
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

void NumberField::SetValue(int value) { edit_->setText(QString::number(value)); }

int NumberField::Value() const { return ReadDialogNumber(edit_->text(), kind_ == Signed); }

void NumberField::StepBy(int steps) {
    const long long next = std::clamp<long long>((long long)Value() + steps, min_, max_);
    // A step at a limit changes no text but is still a change the dialog hears of (Apply).
    if (edit_->text() != QString::number(next)) SetValue(int(next));
    else emit edited();
}

int NumberField::DigitCount() const {
    return int(std::max(QString::number(min_).size(), QString::number(max_).size()));
}

void NumberField::FitEditToDigits() {
    // Room for the widest number of the range, not the line edit's default ~17 characters.
    const int text = edit_->fontMetrics().horizontalAdvance(QString(DigitCount(), QLatin1Char('0')));
    edit_->setFixedWidth(text + kEditChrome);
}

void NumberField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) FitEditToDigits();
    QWidget::changeEvent(event);
}

bool NumberField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quillora::widgets
