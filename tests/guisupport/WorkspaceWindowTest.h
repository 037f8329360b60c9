#pragma once
// A test fixture with a window built on a test workspace: `t` is the workspace, `window` the window.
#include <QApplication>
#include <gtest/gtest.h>

#include <type_traits>

#include "EnsureApplication.h"
#include "TestWorkspace.h"

template <class Window>
class WorkspaceWindowTest : public ::testing::Test {
protected:
    QApplication& app_ = EnsureApplication();  // before any widget member
    TestWorkspace t;
    Window window = Make();

private:
    Window Make() {
        if constexpr (std::is_constructible_v<Window, quillora::workspace::Workspace&,
                                              quillora::commands::CommandRegistry&>)
            return Window(t.ws, t.commands.registry);
        else
            return Window(t.ws);
    }
};
