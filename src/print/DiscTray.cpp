#include "print/DiscTray.h"

#include "print/CupsClient.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <unistd.h>

namespace quillora::print {
namespace {

bool ContainsCd(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) == 'C' &&
            std::toupper(static_cast<unsigned char>(text[i + 1])) == 'D')
            return true;
    }
    return false;
}

// "*StpStpName: type a b c d MIN MAX DEFAULT": Gutenprint's description of a numeric option.
std::optional<PointRange> Range(std::string_view line) {
    double values[8] = {};
    const char* p = line.data() + line.find(':') + 1;
    const char* end = line.data() + line.size();
    for (double& v : values) {
        while (p < end && *p == ' ') ++p;
        const auto [next, error] = std::from_chars(p, end, v);
        if (error != std::errc()) return std::nullopt;
        p = next;
    }
    return PointRange{static_cast<int>(values[5]), static_cast<int>(values[6])};
}

}  // namespace

std::optional<DiscTray> ReadDiscTray(std::string_view ppd) {
    DiscTray tray;
    bool custom = false;
    while (!ppd.empty()) {
        const auto eol = ppd.find('\n');
        std::string_view line = ppd.substr(0, eol);
        ppd.remove_prefix(eol == std::string_view::npos ? ppd.size() : eol + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto keyword = [&](std::string_view prefix) -> std::optional<std::string_view> {
            if (!line.starts_with(prefix)) return std::nullopt;
            const std::string_view rest = line.substr(prefix.size());
            return rest.substr(0, rest.find_first_of("/:"));
        };
        if (auto slot = keyword("*InputSlot "); slot && tray.inputSlot.empty()) {
            // The keyword or its text names the disc tray: "CD/Print to CD", "CD/CD tray".
            const std::string_view text = line.substr(0, line.find(':'));
            if (ContainsCd(text)) tray.inputSlot = *slot;
        } else if (auto size = keyword("*PageSize ")) {
            tray.fiveInch |= *size == "CD5Inch";
            custom |= *size == "CDCustom";
        } else if (line.starts_with("*StpStpCDOuterDiameter:")) {
            tray.outer = Range(line);
        } else if (line.starts_with("*StpStpCDInnerDiameter:")) {
            tray.inner = Range(line);
        } else if (line.starts_with("*StpStpCDInnerRadius:")) {
            tray.hubChoice = true;
        } else if (line.starts_with("*StpStpCDXAdjustment:")) {
            tray.xAdjust = Range(line);
        } else if (line.starts_with("*StpStpCDYAdjustment:")) {
            tray.yAdjust = Range(line);
        }
    }
    if (!custom) tray.outer.reset();
    if (tray.inputSlot.empty() || (!tray.fiveInch && !tray.outer)) return std::nullopt;
    return tray;
}

// The driver's disc options are in the queue's PPD only, which the newer interfaces do not show.
std::optional<DiscTray> QueueDiscTray(const QString& queue) {
    const CupsClient* cups = Cups();
    if (queue.isEmpty() || !cups) return std::nullopt;
    const char* path = cups->getPpd(queue.toLocal8Bit().constData());
    if (!path) return std::nullopt;
    QFile file(QString::fromLocal8Bit(path));
    const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    unlink(path);  // a copy the print system made for us
    return ReadDiscTray(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

}  // namespace quillora::print
