#include "layers/LayerCommands.h"

namespace quillora::layers {

using commands::CommandId;
using document::MoveDirection;

void DefineLayerCommands(commands::CommandRegistry& commands, LayerOperations& operations,
                         workspace::Workspace& ws) {
    const document::LabelDocument& doc = ws.doc;
    const auto open = [&doc] { return doc.documentOpen; };
    const auto selected = [&doc] { return doc.state.selectedPos; };
    const auto canMove = [&doc](MoveDirection d) {
        return [&doc, d] { return doc.documentOpen && doc.CanMove(doc.SafeSelectedPos(), d); };
    };
    const auto canCopyOrDelete = [&doc] { return doc.documentOpen && doc.CanCopyOrDelete(doc.SafeSelectedPos()); };

    commands.Define(CommandId::NewTextLayer, [&operations] { operations.NewTextLayer(); }, open);
    commands.Define(CommandId::NewPictureLayer, [&operations] { operations.NewPictureLayer(); }, open);
    // From the document window's menu a new layer is proposed at the clicked point.
    commands.DefinePointProposal(CommandId::NewTextLayer,
                                 [&operations](int xMm, int yMm) { operations.ProposeTextLayerAt(xMm, yMm); });
    commands.DefinePointProposal(CommandId::NewPictureLayer,
                                 [&operations](int xMm, int yMm) { operations.ProposePictureLayerAt(xMm, yMm); });
    commands.Define(CommandId::ListLayer, [&operations] { operations.ShowListSettings(); }, open);
    // The background dialog opens from the menus without the dialog-open check.
    commands.Define(CommandId::BackgroundLayer, [&operations] { operations.ShowBackgroundSettings(); }, open);
    commands.Define(CommandId::MoveUp, [&, selected] { operations.MoveLayer(selected(), MoveDirection::Up); },
                    canMove(MoveDirection::Up));
    commands.Define(CommandId::MoveDown, [&, selected] { operations.MoveLayer(selected(), MoveDirection::Down); },
                    canMove(MoveDirection::Down));
    commands.Define(CommandId::CopyLayer, [&, selected] { operations.CopyLayer(selected()); }, canCopyOrDelete);
    commands.Define(CommandId::DeleteLayer, [&, selected] { operations.DeleteLayer(selected()); }, canCopyOrDelete);
    commands.Define(CommandId::LayerSettings, [&, selected] { operations.EditLayerProperties(selected()); }, open);
}

}  // namespace quillora::layers
