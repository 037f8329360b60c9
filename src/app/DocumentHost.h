#pragma once
// What the document procedures need from the windows around them; the application provides it,
// tests may provide their own.
#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace quillora::app {

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // The new-document size dialog; on OK the diameters are in the document header.
    virtual bool AskNewLabelSize() = 0;
    // Shows the document window fitted to the label; the change announced next renders it.
    virtual void CreateDocumentWindow() = 0;
    virtual void DestroyDocumentWindow() = 0;
    // Loads the pictures of every picture slot; returns the stored paths that could not be loaded.
    virtual std::vector<std::string> RebuildPictures() = 0;
    virtual void SetFrameTitle(const QString& title) = 0;
    virtual void SetAcceptDrops(bool accept) = 0;
    // The "opening" notice; the returned window owns the messages shown while it is up.
    virtual QWidget* ShowProgress() = 0;
    virtual void HideProgress() = 0;
    virtual void ClearPositionReadout() = 0;
    virtual QWidget* DialogOwner() = 0;
};

}  // namespace quillora::app
