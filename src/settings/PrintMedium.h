#pragma once
// What the next print goes on, and how far each printer is corrected: program settings, never
// part of a label file.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillora::settings {

enum class MediumKind : std::int32_t {
    Paper = 0,  // one label at the print settings' margins
    Sheet = 1,  // the chosen positions of a label sheet
    Disc = 2,   // a printable disc in the printer's disc tray
};

struct MediumSettings {
    std::int32_t kind = static_cast<std::int32_t>(MediumKind::Paper);
    std::string sheet;             // the sheet's name in the sheet table
    std::string positions = "1";   // as typed: "1", "1,3-4"
};

// A printer's calibration in tenths of a millimetre: a positive X moves the print right, a
// positive Y down.
struct PrinterOffset {
    std::int32_t xTenths = 0;
    std::int32_t yTenths = 0;
    bool operator==(const PrinterOffset&) const = default;
};
inline constexpr std::int32_t kMaxOffsetTenths = 100;

// Calibrations by queue name.
using PrinterOffsets = std::map<std::string, PrinterOffset>;

// "X,Y" in millimetres, rounded to tenths; nothing when malformed or beyond ±10 mm.
std::optional<PrinterOffset> ParsePrinterOffset(std::string_view text);
// "1.5,-0.5": what ParsePrinterOffset reads back.
std::string FormatPrinterOffset(PrinterOffset offset);

}  // namespace quillora::settings
