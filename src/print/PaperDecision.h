#pragma once
// The paper the print preview lays the label on, decided from what the printer reports: five
// papers by their code, any other from its size in tenths of a millimetre, turned for landscape.
namespace quillora::print {

// Paper and orientation codes as the .qlr file stores them.
constexpr int kPaperA3 = 8;
constexpr int kPaperA4 = 9;
constexpr int kPaperA5 = 11;
constexpr int kPaperB4 = 12;
constexpr int kPaperB5 = 13;
constexpr int kOrientationPortrait = 1;
constexpr int kOrientationLandscape = 2;

// What the chosen printer reports; all zero without a printer.
struct PrinterPaper {
    int code = 0;
    int widthTenths = 0;   // portrait width and length in tenths of a millimetre
    int lengthTenths = 0;
    int orientation = 0;
};

struct PaperSize {
    int width = 0;   // whole millimetres
    int height = 0;
    bool operator==(const PaperSize&) const = default;
};

// A width or height of 0 means the printer could not tell; the user is asked then.
PaperSize PreviewPaperSize(const PrinterPaper& paper);

}  // namespace quillora::print
