#pragma once
// The layer commands: what each runs and when it can run. The frame menu, its shortcuts, the
// layer window and the document window's menu all reach the layer operations through these.
#include "commands/CommandRegistry.h"
#include "layers/LayerOperations.h"
#include "workspace/Workspace.h"

namespace quillora::layers {

void DefineLayerCommands(commands::CommandRegistry& commands, LayerOperations& operations,
                         workspace::Workspace& ws);

}  // namespace quillora::layers
