#pragma once
// What a change of the label touched, so that the windows showing it redraw just that part.
namespace quillora::document {

enum class ChangeScope {
    Stack,          // a layer added, copied or deleted: the count, the rows and the label
    Order,          // a layer moved up or down
    Layer,          // one layer's values, written by its dialog
    Lamp,           // a layer shown or hidden
    List,           // the list layer's entries, layout or format
    Background,     // the background colour and border
    PrintSettings,  // margins and crop marks: nothing on screen shows them
    Grid,           // how the view draws the grid, not the label
    Whole,          // the label replaced as a whole: new, open, close, undo, redo
};

// Showing or hiding a layer and the print settings are steps that leave the modified flag as it is.
constexpr bool Modifies(ChangeScope scope) {
    return scope != ChangeScope::Lamp && scope != ChangeScope::PrintSettings;
}

}  // namespace quillora::document
