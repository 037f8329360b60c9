#pragma once
// Builds the QMessageBox for a Message: exact text and caption, icon, Japanese button texts,
// default and escape buttons. Kept apart from showing it so that the box can be inspected.
#include <QMessageBox>
#include <map>
#include <memory>

#include "workspace/Interaction.h"

class QAbstractButton;

namespace quillora::workspace {

struct BuiltMessageBox {
    std::unique_ptr<QMessageBox> box;
    std::map<QAbstractButton*, Answer> answers;

    // What the box's result means; closing without a button counts as the escape answer.
    Answer AnswerOf(QAbstractButton* clicked) const;
    Answer escapeAnswer = Answer::Ok;
};

BuiltMessageBox BuildMessageBox(const Message& message);

}  // namespace quillora::workspace
