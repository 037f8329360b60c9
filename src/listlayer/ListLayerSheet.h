#pragma once
// "ﾘｽﾄﾚｲﾔｰの設定": the list layer's property sheet. It edits the document's list in place and
// keeps a copy of it, taken at opening and at every Apply, which ｷｬﾝｾﾙ puts back.
#include "document/Records.h"
#include "widgets/PropertySheet.h"
#include "workspace/DialogOpenFlag.h"
#include "workspace/Workspace.h"

namespace quillora::listlayer {

class ListLayerSheet : public widgets::PropertySheet {
    Q_OBJECT
public:
    explicit ListLayerSheet(workspace::Workspace& ws);

    void reject() override;

protected:
    void done(int result) override;

private:
    workspace::Workspace& ws_;
    workspace::DialogOpenFlag openFlag_;
    document::ListBlock snapshot_;
};

// Shows the sheet modal to the frame and returns when it closes.
void ShowListLayerSheet(workspace::Workspace& ws);

}  // namespace quillora::listlayer
