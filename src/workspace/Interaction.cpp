#include "workspace/Interaction.h"

#include "workspace/Captions.h"

namespace quillora::workspace {

Message Warning(QWidget* owner, const QString& text) {
    return {owner, text, QString::fromUtf8(caption::kWarning), MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

}  // namespace quillora::workspace
