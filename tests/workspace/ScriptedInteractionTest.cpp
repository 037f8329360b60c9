#include <QDialog>
#include <QLineEdit>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "ScriptedInteraction.h"

using namespace quillora::workspace;

namespace {

Message Text(const char* text) {
    Message m;
    m.text = QString::fromLatin1(text);
    return m;
}

}  // namespace

// Other tests lean on these rules: answers in order, surprises fail the test.
TEST(ScriptedInteractionRules, AnswersInOrderAndRecordsWhatWasAsked) {
    EnsureApplication();
    ScriptedInteraction s;
    s.QueueAnswer(Answer::No);
    s.QueueAnswer(Answer::Yes);
    s.QueueOpenFile(QStringLiteral("/tmp/a.qlr"));
    s.QueueOpenFile(std::nullopt);
    EXPECT_FALSE(s.AllConsumed());
    EXPECT_EQ(s.ShowMessage(Text("one")), Answer::No);
    EXPECT_EQ(s.ShowMessage(Text("two")), Answer::Yes);
    EXPECT_EQ(s.ChooseOpenFile(FileChoice{}), QStringLiteral("/tmp/a.qlr"));
    EXPECT_EQ(s.ChooseOpenFile(FileChoice{}), std::nullopt);
    EXPECT_TRUE(s.AllConsumed());
    ASSERT_EQ(s.messages.size(), 2u);
    EXPECT_EQ(s.messages[1].text, QStringLiteral("two"));
    EXPECT_EQ(s.fileChoices.size(), 2u);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("d"));
    auto* edit = new QLineEdit(&dialog);
    s.QueueDialog([&](QDialog& d) {
        EXPECT_TRUE(d.isVisible());
        edit->setText(QStringLiteral("typed"));
        d.accept();
        return d.result();
    });
    EXPECT_EQ(s.RunDialog(dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(s.dialogTitles.size(), 1u);
    EXPECT_EQ(s.dialogTitles[0], QStringLiteral("d"));
}

TEST(ScriptedInteractionRules, UnexpectedCallsFailTheTestAndBackOut) {
    EnsureApplication();
    ScriptedInteraction s;
    Answer answer = Answer::Yes;
    EXPECT_NONFATAL_FAILURE(answer = s.ShowMessage(Text("surprise")), "unexpected message box");
    EXPECT_EQ(answer, Answer::Cancel);
    std::optional<QColor> colour = Qt::red;
    EXPECT_NONFATAL_FAILURE(colour = s.ChooseColour(nullptr, Qt::blue, true), "unexpected colour chooser");
    EXPECT_EQ(colour, std::nullopt);
    QDialog dialog;
    int result = QDialog::Accepted;
    EXPECT_NONFATAL_FAILURE(result = s.RunDialog(dialog), "unexpected dialog");
    EXPECT_EQ(result, QDialog::Rejected);
}
