#pragma once
// "関連付け": sets or removes the .qlr file association at once, each after a question. The page
// holds no preference, so Apply and ｷｬﾝｾﾙ leave it alone.
#include "widgets/PropertyPage.h"
#include "workspace/Workspace.h"

namespace quillora::environment {

class AssociationPage : public widgets::PropertyPage {
    Q_OBJECT
public:
    AssociationPage(workspace::Workspace& ws, QWidget* parent);

    void Apply() override {}

    void SetAssociation();
    void RemoveAssociation();

private:
    // Asks `question`; on Yes runs `action` and reports `done`, whatever the action met.
    template <class Action>
    void AskAndRun(const QString& question, Action action, const QString& done);

    workspace::Workspace& ws_;
};

}  // namespace quillora::environment
