#pragma once
// An edit box with up/down arrows. The range limits only the arrows and the Up/Down keys; what is
// typed is kept as typed and read back as a number the way dialog fields are read: surrounding
// spaces ignored, anything that is not a whole number (or does not fit) reads as 0.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace quillora::widgets {

class NumberField : public QWidget {
    Q_OBJECT
public:
    // Signed: an optional leading '-'. Unsigned: digits only are read, '-' makes it a non-number.
    // DigitsOnly: read as Unsigned, and the edit box refuses anything but digits.
    enum Kind { Signed, Unsigned, DigitsOnly };

    NumberField(int min, int max, Kind kind = Signed, QWidget* parent = nullptr);

    void SetValue(int value);
    // Unsigned values above the int range read as the largest int.
    int Value() const;
    int Minimum() const { return min_; }
    int Maximum() const { return max_; }
    QLineEdit* Edit() const { return edit_; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

    // One arrow step: the read value moved by `steps`, kept within the range. Reports a change
    // even at a limit, where the text stays.
    void StepBy(int steps);
    // Characters of the widest number of the range ("-500" is 4); the box is as wide as that.
    int DigitCount() const;

signals:
    // Every change of the text, typed, set or stepped.
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The edit box's frame and text margins around the digits.
    static constexpr int kEditChrome = 12;
    void FitEditToDigits();

    const int min_;
    const int max_;
    const Kind kind_;
    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
};

// The reading rules of NumberField on their own.
int ReadDialogNumber(const QString& text, bool isSigned);

}  // namespace quillora::widgets
