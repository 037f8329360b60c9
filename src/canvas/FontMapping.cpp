#include "FontMapping.h"

#include <QFontDatabase>
#include <QFontInfo>
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
#include "canvas/RecordText.h"

namespace quillora::canvas {

namespace {

struct Substitution {
    const char* family;
    // The names documents store: the Windows name first (what picking the family in a font
    // chooser stores), then other spellings.
    QStringList names;
};

// Windows faces and their Debian equivalents: the Liberation faces are metric-compatible with
// the Windows core fonts, the IPA faces come closest to the MS Japanese faces (fixed-pitch for
// the names without P).
const Substitution kSubstitutions[] = {
    {"IPAPMincho", {"ＭＳ Ｐ明朝", "MS P明朝", "MS PMincho"}},
    {"IPAMincho", {"ＭＳ 明朝", "MS 明朝", "MS Mincho"}},
    {"IPAPGothic", {"ＭＳ Ｐゴシック", "MS Pゴシック", "MS PGothic"}},
    {"IPAGothic", {"ＭＳ ゴシック", "MS ゴシック", "MS Gothic", "ＭＳ UI Gothic", "MS UI Gothic"}},
    {"Liberation Sans", {"Arial"}},
    {"Liberation Serif", {"Times New Roman"}},
    {"Liberation Mono", {"Courier New"}},
};

constexpr std::size_t kMaxCachedFonts = 256;

// A size at which the faces' metrics come out unrounded (IPA fonts have 2048 units per em).
constexpr int kReferencePixels = 2048;

// Kana (half-width included) or kanji.
bool IsJapanese(const QString& name) {
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x31F0 && u <= 0x31FF) || (u >= 0xFF66 && u <= 0xFF9F) ||
            (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF))
            return true;
    }
    return false;
}

// Family names compared without case and spaces: "IPA P Mincho" is "IPAPMincho".
QString Folded(const QString& family) { return family.toCaseFolded().remove(QLatin1Char(' ')); }

// The IPA faces' Japanese family names, which fontconfig knows too: "IPAPMincho" -> "IPAP明朝".
QString JapaneseSpelling(const QString& family) {
    return QString(family).replace(QStringLiteral("Mincho"), QStringLiteral("明朝")).replace(QStringLiteral("Gothic"), QStringLiteral("ゴシック"));
}

}  // namespace

void FontMapping::RegisterSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (const auto& s : kSubstitutions)
            for (const QString& name : s.names) QFont::insertSubstitution(name, QString::fromUtf8(s.family));
    });
}

QString FontMapping::MappedFamily(const QString& face) {
    for (const auto& s : kSubstitutions)
        if (s.names.contains(face)) return QString::fromUtf8(s.family);
    // A Japanese face this system lacks would fall to one without Japanese glyphs.
    if (IsJapanese(face) && !QFontDatabase::hasFamily(face)) {
        const bool mincho = face.contains(QStringLiteral("明朝")) || face.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive);
        return QString::fromLatin1(mincho ? "IPAPMincho" : "IPAPGothic");
    }
    return face;
}

QString FontMapping::UsedFamily(std::string_view storedFace) {
    return QFontInfo(MakeFont({std::string(storedFace), 12})).family();
}

QString FontMapping::StoredFaceFor(const QString& chosenFamily) {
    const QString folded = Folded(chosenFamily);
    for (const auto& s : kSubstitutions) {
        const QString family = QString::fromUtf8(s.family);
        if (folded == Folded(family) || folded == Folded(JapaneseSpelling(family))) return s.names.front();
    }
    return chosenFamily;
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
    QFont font(MappedFamily(Cp932ToQString(request.face)));
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
