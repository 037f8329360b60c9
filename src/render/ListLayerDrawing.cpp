#include "ListLayerDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "DeviceUnits.h"
#include "LayerFont.h"
#include "document/ListLayoutStyle.h"
#include "text/FixedField.h"

namespace quillora::render {

namespace {

enum class Side { Left = 0, Right = 1 };

// The layout of one drawing: the list's settings turned into device units.
class ListPainter {
public:
    ListPainter(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, float hScale,
                float vScale)
        : canvas_(canvas),
          list_(doc.list),
          originX_(originX),
          originY_(originY),
          vScale_(vScale),
          diameter_(ToDevice(doc.SafeOuterMm(), hScale)),
          half_(TruncateToDevice(static_cast<float>(doc.SafeOuterMm()) * hScale * 0.5f)),
          referenceHeight_(canvas.MeasureText("Test999").height) {}

    void DrawLeftAligned(int count, int x) {
        std::int64_t y = Top(list_.top0);
        for (int i = 0; i < count; ++i) y = DrawEntry(i, std::int64_t{originX_} + x, y);
    }

    // Entries [first, last) down one side of the circle, `inset` device units inside it.
    void DrawAlongCircle(int first, int last, std::int32_t topMm, int inset, Side side) {
        std::int64_t y = Top(topMm);
        for (int i = first; i < last; ++i) {
            std::int64_t x = std::int64_t{originX_} + CircleChordX(diameter_, Depth(y), static_cast<int>(side));
            x += side == Side::Left ? inset : -std::int64_t{inset} - FirstLineWidth(i);
            y = DrawEntry(i, x, y);
        }
    }

private:
    std::int64_t Top(std::int32_t mm) const { return std::int64_t{originY_} + ToDevice(mm, vScale_); }

    // The lower edge of a line below the centre, its upper edge above it: whichever is nearer the rim.
    int Depth(std::int64_t y) const {
        std::int64_t rel = y - originY_;
        std::int64_t depth = rel > half_ ? rel + referenceHeight_ : rel;
        return static_cast<int>(std::clamp<std::int64_t>(depth, -1, std::int64_t{diameter_} + 1));
    }

    std::string_view Number(int i) const { return text::FieldView(list_.entryNumber[i]); }

    int FirstLineWidth(int i) {
        int number = list_.printNumbers != 0 ? canvas_.MeasureText(Number(i)).width : 0;
        return number + canvas_.MeasureText(SplitEntryLines(text::FieldView(list_.entryText[i])).line[0]).width;
    }

    void DrawWithShadow(std::string_view text, std::int64_t x, std::int64_t y) {
        if (list_.shadow != 0)
            canvas_.DrawText(ClampDevice(x + list_.shadowX), ClampDevice(y + list_.shadowY), text, list_.shadowColor);
        canvas_.DrawText(ClampDevice(x), ClampDevice(y), text, list_.fontColor);
    }

    // Returns the top of the next entry.
    std::int64_t DrawEntry(int i, std::int64_t x, std::int64_t y) {
        std::int64_t textX = x;
        if (list_.printNumbers != 0) {
            DrawWithShadow(Number(i), x, y);
            textX += canvas_.MeasureText(Number(i)).width;
        }
        EntryLines lines = SplitEntryLines(text::FieldView(list_.entryText[i]));
        for (int l = 0; l < lines.count; ++l) {
            DrawWithShadow(lines.line[l], textX, y);
            y += canvas_.MeasureText(lines.line[l]).height + std::int64_t{list_.lineGap};
        }
        return y + ToDevice(list_.entrySpacing[i], vScale_);
    }

    Canvas& canvas_;
    const document::ListBlock& list_;
    int originX_;
    int originY_;
    float vScale_;
    int diameter_;
    int half_;
    int referenceHeight_;
};

// Entries in the second column: all from secondColumnStart on, or the smaller half when it is 0.
int SecondColumnSize(int count, std::int32_t secondColumnStart) {
    if (secondColumnStart == 0) return count / 2;
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{count} - secondColumnStart + 1, 0, count));
}

}  // namespace

EntryLines SplitEntryLines(std::string_view text) {
    EntryLines result;
    std::size_t start = 0;
    while (true) {
        std::size_t pair = text.find("\r\n", start);
        result.line[result.count++] = text.substr(start, pair == std::string_view::npos ? pair : pair - start);
        if (pair == std::string_view::npos || result.count == kMaxEntryLines) return result;
        start = pair + 2;
    }
}

int CircleChordX(int diameter, int depth, int side) {
    if (depth < 0 || depth > diameter) return kOffCircle;
    std::int64_t square = std::int64_t{depth} * (std::int64_t{diameter} - depth);
    int halfChord = static_cast<int>(std::sqrt(static_cast<double>(square)));
    int left = diameter / 2 - halfChord;
    if (side == 0) return left;
    if (side == 1) return diameter - left;
    return kOffCircle;
}

void DrawListLayer(Canvas& canvas, const document::LabelDocument& doc, int originX, int originY, float hScale,
                   float vScale) {
    const document::ListBlock& list = doc.list;
    const std::optional<document::ListLayoutStyle> style = document::KnownListLayoutStyle(list.layoutStyle);
    if (!style) return;
    auto font = MakeFontRequest({text::FieldView(list.fontFace), list.fontSize, list.fontBold, list.fontItalic,
                                 list.fontUnderline, list.fontStrike, 0},
                                vScale);
    if (!font) return;
    int count = doc.ListEntryCount();
    if (count == 0) return;
    canvas.SelectFont(*font);

    ListPainter painter(canvas, doc, originX, originY, hScale, vScale);
    switch (*style) {
    case document::ListLayoutStyle::LeftAligned:
        painter.DrawLeftAligned(count, ToDevice(list.left0, hScale));
        break;
    case document::ListLayoutStyle::AlongCircle:
        painter.DrawAlongCircle(0, count, list.top1, ToDevice(list.left1, hScale), Side::Left);
        break;
    case document::ListLayoutStyle::TwoColumns: {
        int first = count - SecondColumnSize(count, list.secondColumnStart);
        painter.DrawAlongCircle(0, first, list.top2, ToDevice(list.left2, hScale), Side::Left);
        painter.DrawAlongCircle(first, count, list.top2, ToDevice(list.left22, hScale), Side::Right);
        break;
    }
    }
}

}  // namespace quillora::render
