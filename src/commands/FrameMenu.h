#pragma once
// The frame menu: popups and their items in order, with the shortcut text shown after a tab and
// the key that carries out the item. One table, from which the menu bar and the command actions
// are built.
#include <QString>
#include <optional>
#include <span>

#include "commands/CommandId.h"

namespace quillora::commands {

struct MenuItem {
    std::optional<CommandId> id;  // none: a separator
    const char* caption;
    const char* shortcutText;
    int key;  // Qt key combination, 0 = none
    bool checkable;
};

struct MenuPopup {
    const char* caption;
    std::span<const MenuItem> items;
};

std::span<const MenuPopup> FrameMenu();

// The item of a command, or nullptr for a command the frame menu does not show.
const MenuItem* FindMenuItem(CommandId id);

// The item's caption with `detail` after a "：" when there is one, then a tab and the shortcut
// text, as the menu shows it.
QString MenuCaption(const MenuItem& item, const QString& detail = QString());

}  // namespace quillora::commands
