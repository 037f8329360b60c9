#include "CommandStates.h"

#include "app/MenuTable.h"

namespace quillora::app {

using namespace command;

bool IsCheckable(int id) { return id == ToolWindow || id == PositionWindow || id == LayerWindow || id == Grid; }

namespace {

bool NeedsDocument(int id) {
    switch (id) {
    case Close: case SaveAs: case Grid: case FitDocument:
    case Print: case PrintSettings: case PrinterSetup: case PrintPreview:
    case NewTextLayer: case NewPictureLayer: case ListLayer: case BackgroundLayer:
    case MoveUp: case MoveDown: case CopyLayer: case DeleteLayer:
        return true;
    default:
        return false;
    }
}

bool LayerCommandEnabled(int id, const document::LabelDocument& doc) {
    const int pos = doc.SafeSelectedPos();
    const int kind = doc.KindAt(pos);
    switch (id) {
    case MoveUp: return doc.CanMove(pos, document::MoveDirection::Up);
    case MoveDown: return doc.CanMove(pos, document::MoveDirection::Down);
    case DeleteLayer: case CopyLayer: return kind >= document::KindText;
    default: return true;
    }
}

}  // namespace

CommandState StateOf(int id, const document::LabelDocument& doc, const settings::AppSettings& settings) {
    CommandState state;
    const bool open = doc.documentOpen;
    if (id == New || id == Open) state.enabled = !open;
    else if (id == Save) state.enabled = open && doc.documentModified && !doc.currentFileName.empty();
    else if (NeedsDocument(id)) state.enabled = open && LayerCommandEnabled(id, doc);

    switch (id) {
    case ToolWindow: state.checked = settings.toolWindow.view != 0; break;
    case PositionWindow: state.checked = settings.positionWindow.view != 0; break;
    case LayerWindow: state.checked = settings.layerWindow.view != 0; break;
    case Grid: state.checked = settings.grid.visible != 0; break;
    default: break;
    }
    return state;
}

}  // namespace quillora::app
