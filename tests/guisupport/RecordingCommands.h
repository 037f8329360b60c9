#pragma once
// A command registry whose commands only record, in order, that they ran.
#include <initializer_list>
#include <vector>

#include "commands/CommandRegistry.h"

struct RecordingCommands {
    void Record(std::initializer_list<quillora::commands::CommandId> ids) {
        for (auto id : ids) registry.Define(id, [this, id] { ran.push_back(id); });
    }

    quillora::commands::CommandRegistry registry;
    std::vector<quillora::commands::CommandId> ran;
};
