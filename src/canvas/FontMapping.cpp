#include "FontMapping.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <string>

#include "text/Cp932.h"

namespace quillora::canvas {

namespace {

struct Substitution {
    const char* ipaFamily;
    QStringList names;  // the full-width names documents store, and their ASCII spellings
};

constexpr std::size_t kMaxCachedFonts = 256;

// A size at which the faces' metrics come out unrounded (IPA fonts have 2048 units per em).
constexpr int kReferencePixels = 2048;

}  // namespace

void FontMapping::RegisterSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        const Substitution substitutions[] = {
            {"IPAPMincho", {"ＭＳ Ｐ明朝", "MS P明朝", "MS PMincho"}},
            {"IPAMincho", {"ＭＳ 明朝", "MS 明朝", "MS Mincho"}},
            {"IPAPGothic", {"ＭＳ Ｐゴシック", "MS Pゴシック", "MS PGothic"}},
            {"IPAGothic", {"ＭＳ ゴシック", "MS ゴシック", "MS Gothic"}},
        };
        for (const auto& s : substitutions)
            for (const QString& name : s.names) QFont::insertSubstitution(name, QString::fromLatin1(s.ipaFamily));
    });
}

double FontMapping::CellPerPixel(const QFont& font) {
    static std::mutex mutex;
    static QHash<QString, double> cache;
    QString key = font.key();
    std::lock_guard lock(mutex);
    auto found = cache.constFind(key);
    if (found != cache.constEnd()) return *found;
    QFont reference(font);
    reference.setPixelSize(kReferencePixels);
    QFontMetricsF metrics(reference);
    double ratio = (metrics.ascent() + metrics.descent()) / kReferencePixels;
    if (!(ratio > 0)) ratio = 1;
    cache.insert(key, ratio);
    return ratio;
}

QFont FontMapping::Resolve(const render::FontRequest& request) {
    QFont font(QString::fromStdString(text::Cp932ToUtf8(request.face)));
    // Weight 0 asks for the face's normal weight.
    font.setWeight(request.weight == 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(request.weight, 1, 1000)));
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    font.setStrikeOut(request.strikeOut);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(1);  // the ratio's cache key must not depend on the size
    double ratio = CellPerPixel(font);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(request.cellHeight / ratio))));
    return font;
}

QFont FontMapping::MakeFont(const render::FontRequest& request) {
    RegisterSubstitutions();
    // A label asks for the same few fonts at every drawing; a QFont that has been used keeps its
    // resolved face, which saves the font database's matching next time.
    static std::mutex mutex;
    static std::map<FontKey, QFont> fonts;
    FontKey key{request.face, request.cellHeight, request.weight, request.italic, request.underline, request.strikeOut};
    std::lock_guard lock(mutex);
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    if (fonts.size() >= kMaxCachedFonts) fonts.clear();
    return fonts.emplace(std::move(key), Resolve(request)).first->second;
}

}  // namespace quillora::canvas
