#include "ListSheetFixture.h"

#include <QTableWidget>

#include "EnsureApplication.h"
#include "listlayer/EntryTextEdit.h"
#include "text/Cp932.h"
#include "text/FixedField.h"
#include "listlayer/ListSheetIds.h"

using namespace quillora;

ListSheetTest::ListSheetTest() {
    EnsureApplication();
    w.doc.header.outerDiameter = 120;
    w.doc.header.innerDiameter = 30;
    w.doc.Create({});
    document::ListBlock& list = w.doc.list;
    list.printNumbers = 1;
    list.addZero = 1;
    text::StoreField(list.numberSeparator, ".");
    list.defaultSpacing = 2;
    w.doc.RenumberListEntries();
    sheet = std::make_unique<listlayer::ListLayerSheet>(w.ws);
    page = static_cast<listlayer::ListEditPage*>(sheet->Page(0));
}

void ListSheetTest::Type(const char* utf8) {
    FindChild<listlayer::EntryTextEdit>(*sheet, quillora::listlayer::list_sheet_id::kEntryText).setPlainText(QString::fromUtf8(utf8));
}

void ListSheetTest::Add(const char* utf8) {
    Type(utf8);
    Click(listlayer::list_sheet_id::kAdd);
}

std::string ListSheetTest::Entry(int slot) const {
    return text::Cp932ToUtf8(text::FieldView(w.doc.list.entryEditText[slot]));
}

std::string ListSheetTest::Number(int slot) const { return std::string(text::FieldView(w.doc.list.entryNumber[slot])); }

QString ListSheetTest::Cell(int row, int column) const {
    return FindChild<QTableWidget>(*sheet, quillora::listlayer::list_sheet_id::kListView).item(row, column)->text();
}

int AcceptDialog(QDialog& dialog) {
    dialog.accept();
    return dialog.isVisible() ? QDialog::Rejected : dialog.result();
}
