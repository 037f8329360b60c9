#include "sheets/SheetPositions.h"

#include <algorithm>
#include <charconv>

namespace quillora::sheets {
namespace {

std::optional<int> Number(std::string_view text, int count) {
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > count) return std::nullopt;
    return n;
}

}  // namespace

std::optional<std::vector<int>> ParsePositions(std::string_view text, int count) {
    std::string compact;
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact), [](char c) { return c != ' '; });
    if (compact == "all") compact = AllPositions(count);
    std::vector<bool> chosen(std::max(count, 0));
    std::string_view rest = compact;
    while (true) {
        const std::string_view item = rest.substr(0, rest.find(','));
        const auto dash = item.find('-');
        const auto first = Number(item.substr(0, dash), count);
        const auto last = dash == std::string_view::npos ? first : Number(item.substr(dash + 1), count);
        if (!first || !last || *last < *first) return std::nullopt;
        std::fill(chosen.begin() + (*first - 1), chosen.begin() + *last, true);
        if (item.size() == rest.size()) break;
        rest.remove_prefix(item.size() + 1);
    }
    std::vector<int> indices;
    for (int i = 0; i < count; ++i) {
        if (chosen[i]) indices.push_back(i);
    }
    return indices;
}

std::string AllPositions(int count) { return count <= 1 ? "1" : "1-" + std::to_string(count); }

}  // namespace quillora::sheets
