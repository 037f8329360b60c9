#include "widgets/UiFont.h"

#include "canvas/FontMapping.h"

namespace quillora::widgets {

QFont UiFont() {
    render::FontRequest request;
    request.face = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳ Ｐゴシック
    request.cellHeight = 12;
    return canvas::FontMapping::MakeFont(request);
}

}  // namespace quillora::widgets
