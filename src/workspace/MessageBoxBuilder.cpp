#include "workspace/MessageBoxBuilder.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QString>
#include <vector>

#include "desktop/AppIcon.h"

namespace quillora::workspace {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString ButtonText(Answer answer) {
    switch (answer) {
    case Answer::Yes: return QString::fromUtf8("はい(&Y)");
    case Answer::No: return QString::fromUtf8("いいえ(&N)");
    case Answer::Cancel: return QString::fromUtf8("ｷｬﾝｾﾙ");
    case Answer::Ok: break;
    }
    return QStringLiteral("OK");
}

QMessageBox::ButtonRole Role(Answer answer) {
    switch (answer) {
    case Answer::Yes: return QMessageBox::YesRole;
    case Answer::No: return QMessageBox::NoRole;
    case Answer::Cancel: return QMessageBox::RejectRole;
    case Answer::Ok: break;
    }
    return QMessageBox::AcceptRole;
}

}  // namespace

Answer BuiltMessageBox::AnswerOf(QAbstractButton* clicked) const {
    const auto it = answers.find(clicked);
    return it == answers.end() ? escapeAnswer : it->second;
}

BuiltMessageBox BuildMessageBox(const Message& message) {
    BuiltMessageBox built;
    built.box = std::make_unique<QMessageBox>(message.owner);
    QMessageBox& box = *built.box;
    box.setWindowTitle(message.caption);
    box.setText(message.text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(ToQtIcon(message.icon));
    box.setWindowIcon(desktop::ApplicationIcon());

    std::vector<Answer> order = {Answer::Ok};
    if (message.buttons == MessageButtons::YesNo) order = {Answer::Yes, Answer::No};
    if (message.buttons == MessageButtons::YesNoCancel) order = {Answer::Yes, Answer::No, Answer::Cancel};

    // Esc answers Cancel where there is one, OK on a lone OK box, No on a yes/no question.
    built.escapeAnswer = message.buttons == MessageButtons::Ok ? Answer::Ok
                       : message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
    QPushButton* fallbackDefault = nullptr;
    for (Answer answer : order) {
        QPushButton* button = box.addButton(ButtonText(answer), Role(answer));
        built.answers[button] = answer;
        if (!fallbackDefault) fallbackDefault = button;
        if (answer == message.defaultButton) box.setDefaultButton(button);
        if (answer == built.escapeAnswer) box.setEscapeButton(button);
    }
    if (!box.defaultButton()) box.setDefaultButton(fallbackDefault);
    return built;
}

}  // namespace quillora::workspace
