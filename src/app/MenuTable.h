#pragma once
// The frame menu: popups and their items in order, with the shortcut text shown after a tab and
// the key that carries out the item. One table, from which the menu bar is built.
#include <QKeySequence>
#include <QString>
#include <span>

namespace quillora::app {

namespace command {
inline constexpr int Exit = 40001, Help = 40002, About = 40003, New = 40004, HelpOnHelp = 40005, WebSite = 40006,
                     Close = 40010, FitDocument = 40011, BackgroundLayer = 40013, ListLayer = 40014,
                     NewTextLayer = 40015, NewPictureLayer = 40016, Grid = 40017, Environment = 40019,
                     Print = 40020, PrintSettings = 40021, LayerWindow = 40022, ToolWindow = 40023,
                     ArrangeWindows = 40024, Tips = 40026, Save = 40036, SaveAs = 40037, PrinterSetup = 40050,
                     Open = 40052, MoveUp = 40053, MoveDown = 40054, DeleteLayer = 40055, CopyLayer = 40056,
                     PositionWindow = 40064, PrintPreview = 40066;
// The tool window's buttons.
inline constexpr int ToolNew = 40067, ToolSave = 40068, ToolPrint = 40069, ToolPrintPreview = 40070,
                     ToolPrintSettings = 40071, ToolPrinterSetup = 40072;
}  // namespace command

struct MenuItem {
    int id;  // 0 = separator
    const char* caption;
    const char* shortcutText;
    int key;  // Qt key combination, 0 = none
};

struct MenuPopup {
    const char* caption;
    std::span<const MenuItem> items;
};

std::span<const MenuPopup> FrameMenu();

}  // namespace quillora::app
