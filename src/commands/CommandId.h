#pragma once
// Every command of the program, once, under the number the frame's menu gives it. Menus,
// shortcuts, the tool window, the layer window and the document window's menu all name these.
namespace quillora::commands {

enum class CommandId : int {
    Exit = 40001,
    Help = 40002,
    About = 40003,
    New = 40004,
    HelpOnHelp = 40005,
    WebSite = 40006,
    Close = 40010,
    FitDocument = 40011,
    BackgroundLayer = 40013,
    ListLayer = 40014,
    NewTextLayer = 40015,
    NewPictureLayer = 40016,
    Grid = 40017,
    Environment = 40019,
    Print = 40020,
    PrintSettings = 40021,
    LayerWindow = 40022,
    ToolWindow = 40023,
    ArrangeWindows = 40024,
    Tips = 40026,
    Save = 40036,
    SaveAs = 40037,
    PrinterSetup = 40050,
    Open = 40052,
    MoveUp = 40053,
    MoveDown = 40054,
    DeleteLayer = 40055,
    CopyLayer = 40056,
    PositionWindow = 40064,
    PrintPreview = 40066,
    PrintMedium = 40067,
    // The settings of the selected layer, whatever its kind: the layer window's 設定 button and item.
    LayerSettings = 40073,
    Undo = 40090,
    Redo = 40091,
    ZoomIn = 40092,
    ZoomOut = 40093,
    ZoomActualSize = 40094,
    Export = 40095,
};

}  // namespace quillora::commands
