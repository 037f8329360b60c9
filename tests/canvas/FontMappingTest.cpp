#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>
#include <ostream>

#include "canvas/FontMapping.h"
#include "text/Cp932.h"

namespace quillora::canvas {
namespace {

render::FontRequest Request(const std::string& utf8Face, int cell) {
    render::FontRequest request;
    request.face = *text::Utf8ToCp932(utf8Face);
    request.cellHeight = cell;
    return request;
}

struct FaceCase {
    const char* name;
    const char* family;
};

void PrintTo(const FaceCase& c, std::ostream* os) { *os << c.name; }

class MsFaces : public ::testing::TestWithParam<FaceCase> {};

TEST_P(MsFaces, MapToTheirIpaEquivalentAtTheRequestedCellHeight) {
    for (int cell : {12, 36, 94, 200, 1574}) {
        QFont font = FontMapping::MakeFont(Request(GetParam().name, cell));
        EXPECT_EQ(QFontInfo(font).family().toStdString(), GetParam().family) << GetParam().name;
        QFontMetrics metrics(font);
        EXPECT_NEAR(metrics.ascent() + metrics.descent(), cell, 1) << GetParam().name << " at " << cell;
    }
}

INSTANTIATE_TEST_SUITE_P(FontMapping, MsFaces,
                         ::testing::Values(FaceCase{"ＭＳ Ｐ明朝", "IPAPMincho"}, FaceCase{"ＭＳ 明朝", "IPAMincho"},
                                           FaceCase{"ＭＳ Ｐゴシック", "IPAPGothic"},
                                           FaceCase{"ＭＳ ゴシック", "IPAGothic"}, FaceCase{"MS PMincho", "IPAPMincho"},
                                           FaceCase{"MS Gothic", "IPAGothic"}, FaceCase{"IPAPGothic", "IPAPGothic"}));

}  // namespace
}  // namespace quillora::canvas
