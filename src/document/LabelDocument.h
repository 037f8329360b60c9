#pragma once
// The one label document of the program: its records, the state that goes with them,
// and the pictures its picture layers hold.
//
// Values read from a file are kept exactly as stored (they are written back unchanged),
// but every use of a count, a position or a slot number goes through the Safe* helpers
// below, so that a hand-made or damaged file cannot make the program index out of bounds.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "ChangeScope.h"
#include "Picture.h"
#include "Records.h"

namespace quillora::document {

struct NewDocumentDefaults {
    Colour backColor = 0xFFFFFF;
    Colour lineColor = 0;
    std::int32_t borderLine = 1;
};

enum class MoveDirection { Up = 0, Down = 1 };

class LabelDocument {
public:
    LabelDocument();

    DocHeader header{};
    DocState state{};
    ListBlock list{};
    LayerOrder order{};
    std::array<LayerRecord, kMaxLayers> layers{};
    PaperSettings paper{};

    bool documentOpen = false;
    bool documentModified = false;
    // File-system paths (UTF-8). Only selectedFileName is kept, in the settings, where it is
    // stored in code page 932 when it can be; neither may need more than 255 bytes stored.
    std::string currentFileName;
    std::string selectedFileName;
    // Shared with the states the edit history keeps: a picture is never changed, only replaced.
    std::array<std::shared_ptr<const Picture>, kMaxLayers> pictures;
    // Told of every edit with the name of its step (UTF-8): the edit history.
    std::function<void(const std::string& step, bool modifies)> editObserver;
    // Told of every change with its scope, after the history: the application, which redraws
    // the windows that show that part.
    std::function<void(ChangeScope)> changeObserver;
    // Told when the selection or the layer window's scroll moved by itself, not by an edit.
    std::function<void()> viewObserver;

    // Start-up: everything cleared except DocHeader and the list settings.
    void InitialiseAtStartup();
    // Fills DocState and the two fixed layers from DocHeader's diameters.
    void Create(const NewDocumentDefaults& defaults);
    // What closing does to the records (windows aside); DocHeader and list settings stay.
    void Reset();
    void RenumberListEntries();
    // The number labels alone, from addZero and numberSeparator (cut at the label's 9 bytes).
    void RenumberListLabels();
    // Every edit of the label ends here, naming the step it makes and what it touched: the one
    // place the modified flag is set.
    void CommitEdit(const std::string& step, ChangeScope scope);
    // A change that is no step of its own: the label put back or replaced, or the grid changed.
    void AnnounceChange(ChangeScope scope) {
        if (changeObserver) changeObserver(scope);
    }
    void CommitViewMove() {
        if (viewObserver) viewObserver();
    }

    // Layer stack.
    bool CanAddLayer() const;               // fewer than 50 positions in use
    int FindFreeSlot() const;               // lowest free slot in 1..49, -1 if none
    void InsertAtSelection(int slot);
    void FreeSlotAt(int pos);               // delete the layer at a position
    bool CanMove(int pos, MoveDirection d) const;
    bool CanCopyOrDelete(int pos) const { return IsCopyableKind(KindAt(pos)); }
    bool MoveLayer(int pos, MoveDirection d);
    // Copies the record at `pos` and its picture into a free slot inserted at the selection;
    // returns the slot or -1.
    int CopyLayerRecord(int pos);

    // Safe views of stored values.
    int SafeLayerCount() const;             // layerCount limited to 0..50
    int SafeSelectedPos() const;            // selectedPos limited to the used positions, or -1
    int SlotAt(int pos) const;              // slot at a position, -1 when either is out of range
    const LayerRecord* LayerAt(int pos) const;
    LayerKind KindAt(int pos) const;        // Free when there is no layer there
    int SafeOuterMm() const;                // outerMm limited to 1..300 for drawing
    int SafeInnerMm() const;

    // Number of list entries: the run of non-empty texts from the first.
    int ListEntryCount() const;
};

// Sets a layer's name to the first 49 bytes of a text (the rest of the 50 bytes zero).
void SetLayerName(LayerRecord& layer, const char* bytes, std::size_t length);

}  // namespace quillora::document
