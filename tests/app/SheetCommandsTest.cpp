// The two property sheets open from their frame commands and what they confirm reaches the
// label and the settings.
#include <QCheckBox>
#include <QPushButton>

#include "AppFixture.h"
#include "listlayer/EntryTextEdit.h"
#include "text/FixedField.h"
#include "listlayer/ListSheetIds.h"
#include "environment/EnvironmentIds.h"

using namespace quillora;
using commands::CommandId;

using SheetCommands = AppFixture;

TEST_F(SheetCommands, TheListLayerCommandOpensTheListSheetWhoseOkReachesTheLabel) {
    LaunchQuietly();
    NewDocument();
    interaction.QueueDialog([](QDialog& sheet) {
        FindChild<listlayer::EntryTextEdit>(sheet, quillora::listlayer::list_sheet_id::kEntryText).setPlainText(QStringLiteral("Opening"));
        FindChild<QPushButton>(sheet, quillora::listlayer::list_sheet_id::kAdd).click();
        sheet.accept();
        return sheet.result();
    });
    app->Commands().RunIfEnabled(CommandId::ListLayer);
    EXPECT_EQ(interaction.dialogTitles.back(), QStringLiteral("ﾘｽﾄﾚｲﾔｰの設定"));
    EXPECT_EQ(std::string(text::FieldView(app->Doc().list.entryText[0])), "Opening");
    EXPECT_TRUE(app->Doc().documentModified);
}

TEST_F(SheetCommands, TheEnvironmentCommandOpensTheEnvironmentSheet) {
    LaunchQuietly();
    interaction.QueueDialog([](QDialog& sheet) {
        FindChild<QCheckBox>(sheet, quillora::environment::environment_id::kGridVisible).setChecked(true);
        sheet.accept();
        return sheet.result();
    });
    app->Commands().RunIfEnabled(CommandId::Environment);
    EXPECT_EQ(interaction.dialogTitles.back(), QStringLiteral("環境設定"));
    EXPECT_EQ(app->Settings().grid.visible, 1);
}
