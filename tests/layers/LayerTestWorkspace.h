#pragma once
// An open document with the scripted interaction and recording views, as the layer code sees it.
#include <QDialog>
#include <QString>
#include <QWidget>
#include <string>

#include "TempDir.h"
#include "TestWorkspace.h"
#include "layers/LayerOperations.h"

// Pictures are looked up in a temporary program folder.
struct LayerTestWorkspace : TestWorkspace {
    LayerTestWorkspace();

    // Puts a text layer named `name` (code page 932 bytes) straight into the document at the
    // selection, the way a confirmed dialog leaves it; returns its slot.
    int AddTextLayer(const std::string& name);
    int AddPictureLayer(const std::string& name);
    // Fills the stack up to `count` positions with text layers.
    void FillTo(int count);

    int SlotAt(int pos) const { return doc.SlotAt(pos); }
    const quillora::document::LayerRecord& LayerAt(int pos) const { return *doc.LayerAt(pos); }

    TempDir dir;
    quillora::layers::LayerOperations operations{ws};
    quillora::commands::CommandRegistry& registry = commands.registry;
};

// The control with the given dialog id (a named constant of its dialog).
template <class Widget>
Widget* Control(QWidget& parent, int id) {
    return parent.findChild<Widget*>(QStringLiteral("id%1").arg(id));
}

// Clicks the dialog's button and returns what the dialog ended with (still open: Rejected).
int ClickAndFinish(QDialog& dialog, int buttonId);

// Code page 932 bytes of a UTF-8 literal.
std::string Sjis(const char* utf8);
