#pragma once
// Turns a font request (code page 932 face name, cell height, weight, flags) into a QFont whose
// ascent + descent is the requested cell height.
#include <QFont>
#include <QString>
#include <string>
#include <string_view>
#include <tuple>

#include "render/Canvas.h"

namespace quillora::canvas {

class FontMapping {
public:
    // The Windows faces documents name are served by their Debian equivalents (MappedFamily);
    // any other name goes to fontconfig as it is. The stored name itself never changes. Needs a
    // QGuiApplication.
    static QFont MakeFont(const render::FontRequest& request);

    // The family asked of Qt for a face name: Arial, Times New Roman and Courier New become the
    // Liberation faces, the MS faces their IPA equivalents, any other Japanese name this system
    // lacks IPA P Mincho (when it says 明朝 or Mincho) or IPA P Gothic.
    static QString MappedFamily(const QString& face);

    // The family Qt actually draws a stored (code page 932) face name with: where a font
    // chooser opens for that face.
    static QString UsedFamily(std::string_view storedFace);

    // What to store for a family picked in a font chooser: the Windows name when the family is
    // the equivalent of one (IPA P Mincho -> "ＭＳ Ｐ明朝", Liberation Sans -> "Arial", ...), so
    // labels keep rendering the same on Windows; otherwise the family itself.
    static QString StoredFaceFor(const QString& chosenFamily);
    // Idempotent; MakeFont does it, and the program does it once before any window uses the names.
    static void RegisterSubstitutions();

private:
    // Everything of a request but its angle, which the painter applies.
    using FontKey = std::tuple<std::string, int, int, bool, bool, bool>;

    static QFont Resolve(const render::FontRequest& request);
    // (ascent + descent) / pixel size of the face as `font` resolves it.
    static double CellPerPixel(const QFont& font);
};

}  // namespace quillora::canvas
