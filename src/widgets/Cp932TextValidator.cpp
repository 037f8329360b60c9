#include "Cp932TextValidator.h"

#include <utility>

#include "text/Cp932.h"

namespace quillora::widgets {

Cp932TextValidator::Cp932TextValidator(std::size_t maxBytes, std::function<void()> beep, QObject* parent)
    : QValidator(parent), maxBytes_(maxBytes), beep_(std::move(beep)) {}

QValidator::State Cp932TextValidator::validate(QString& input, int&) const {
    // U+FFFD stands for stored bytes that could not be shown; they do not stop typing.
    auto bytes = text::Utf8ToCp932(QString(input).remove(QChar::ReplacementCharacter).toStdString());
    if (bytes && bytes->size() <= maxBytes_) return Acceptable;
    beep_();
    return Invalid;
}

}  // namespace quillora::widgets
