#include "PrintMedium.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quillora::settings {
namespace {

std::optional<std::int32_t> Tenths(std::string_view text) {
    double mm = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), mm);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(mm)) return std::nullopt;
    const double tenths = std::round(mm * 10);
    if (std::abs(tenths) > kMaxOffsetTenths) return std::nullopt;
    return static_cast<std::int32_t>(tenths);
}

std::string Millimetres(std::int32_t tenths) {
    std::string text = tenths < 0 ? "-" : "";
    const std::int32_t magnitude = std::abs(tenths);
    return text + std::to_string(magnitude / 10) + '.' + std::to_string(magnitude % 10);
}

}  // namespace

std::optional<PrinterOffset> ParsePrinterOffset(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto x = Tenths(text.substr(0, comma));
    const auto y = Tenths(text.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return PrinterOffset{*x, *y};
}

std::string FormatPrinterOffset(PrinterOffset offset) {
    return Millimetres(offset.xTenths) + ',' + Millimetres(offset.yTenths);
}

}  // namespace quillora::settings
