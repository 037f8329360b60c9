#pragma once
// An open document with a fresh list (numbers 01. to 50., spacing 2) and the list layer sheet
// on it, built but not run, so tests drive its controls directly.
#include <QDialog>
#include <QPushButton>
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "TestWorkspace.h"
#include "WidgetLookup.h"
#include "listlayer/ListEditPage.h"
#include "listlayer/ListLayerSheet.h"
#include "listlayer/ListSheetIds.h"

class ListSheetTest : public ::testing::Test {
protected:
    ListSheetTest();
    void TearDown() override { EXPECT_TRUE(w.interaction.AllConsumed()); }

    void Type(const char* utf8);
    void Click(int id) { FindChild<QPushButton>(*sheet, id).click(); }
    // Types an entry and adds it at the selection.
    void Add(const char* utf8);
    // The entry text of a slot, UTF-8.
    std::string Entry(int slot) const;
    std::string Number(int slot) const;
    QString Cell(int row, int column) const;
    int Selected() const { return page->SelectedSlot(); }

    TestWorkspace w;
    std::unique_ptr<quillora::listlayer::ListLayerSheet> sheet;
    quillora::listlayer::ListEditPage* page = nullptr;
};

// Accepts a dialog the way its OK button does; the result it ended with (still open: Rejected).
int AcceptDialog(QDialog& dialog);
