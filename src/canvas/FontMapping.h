#pragma once
// Turns a font request (code page 932 face name, cell height, weight, flags) into a QFont whose
// ascent + descent is the requested cell height.
#include <QFont>
#include <string>
#include <tuple>

#include "render/Canvas.h"

namespace quillora::canvas {

class FontMapping {
public:
    // The Japanese faces documents name are served by their IPA metric equivalents; any other
    // name goes to fontconfig as it is. Needs a QGuiApplication.
    static QFont MakeFont(const render::FontRequest& request);
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
