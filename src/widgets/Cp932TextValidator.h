#pragma once
// Lets into a text field only what a record can hold: characters of code page 932, and no
// more bytes than the field has room for. Refused input sounds a beep.
#include <QValidator>
#include <cstddef>
#include <functional>

namespace quillora::widgets {

class Cp932TextValidator : public QValidator {
    Q_OBJECT
public:
    Cp932TextValidator(std::size_t maxBytes, std::function<void()> beep, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

private:
    std::size_t maxBytes_;
    std::function<void()> beep_;
};

}  // namespace quillora::widgets
