#pragma once
// A printer's tray for printable CDs and DVDs, as its PPD describes it: Gutenprint's Epson and
// Canon drivers offer an input slot for the disc tray, disc page sizes and the disc's options.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace quillora::print {

// A numeric option's range in whole points, as the PPD offers its choices.
struct PointRange {
    int min = 0;
    int max = 0;
    bool Holds(int points) const { return points >= min && points <= max; }
};

struct DiscTray {
    std::string inputSlot;                 // the slot's keyword ("CD" in Gutenprint)
    bool fiveInch = false;                 // page size CD5Inch: a 12 cm disc's 116 mm face
    std::optional<PointRange> outer;       // page size CDCustom and StpCDOuterDiameter
    std::optional<PointRange> inner;       // StpCDInnerDiameter
    bool hubChoice = false;                // StpCDInnerRadius: None or Small
    std::optional<PointRange> xAdjust;     // StpCDXAdjustment
    std::optional<PointRange> yAdjust;     // StpCDYAdjustment
};

// The tray a PPD's text offers; nothing when no input slot is a disc tray.
std::optional<DiscTray> ReadDiscTray(std::string_view ppd);

// The tray of a print queue, from the PPD the print system keeps for it.
std::optional<DiscTray> QueueDiscTray(const QString& queue);

}  // namespace quillora::print
