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

// Faces of labels made on Windows: the core fonts to their metric-compatible Liberation faces,
// the other MS faces to IPA, and any other Japanese name to the proportional IPA faces.
INSTANTIATE_TEST_SUITE_P(WindowsFaces, MsFaces,
                         ::testing::Values(FaceCase{"Arial", "Liberation Sans"},
                                           FaceCase{"Times New Roman", "Liberation Serif"},
                                           FaceCase{"Courier New", "Liberation Mono"},
                                           FaceCase{"ＭＳ UI Gothic", "IPAGothic"}, FaceCase{"MS UI Gothic", "IPAGothic"},
                                           FaceCase{"MS Mincho", "IPAMincho"}, FaceCase{"メイリオ", "IPAPGothic"},
                                           FaceCase{"HG丸ｺﾞｼｯｸM-PRO", "IPAPGothic"}, FaceCase{"游ゴシック", "IPAPGothic"},
                                           FaceCase{"HG明朝E", "IPAPMincho"}, FaceCase{"游明朝", "IPAPMincho"},
                                           FaceCase{"ＤＦ平成Mincho体W3", "IPAPMincho"}));

TEST(FontMapping, OtherFacesAreAskedOfTheSystemUnchanged) {
    EXPECT_EQ(FontMapping::MappedFamily("DejaVu Sans").toStdString(), "DejaVu Sans");
    EXPECT_EQ(FontMapping::MappedFamily("ＭＳ").toStdString(), "ＭＳ");  // full-width Latin is not Japanese
    EXPECT_EQ(FontMapping::MappedFamily("IPAMincho").toStdString(), "IPAMincho");
}

TEST(FontMapping, AFontChooserOpensOnTheFamilyThatDrawsTheStoredFace) {
    for (const FaceCase c : {FaceCase{"ＭＳ Ｐ明朝", "IPAPMincho"}, FaceCase{"ＭＳ ゴシック", "IPAGothic"},
                             FaceCase{"Arial", "Liberation Sans"}, FaceCase{"メイリオ", "IPAPGothic"},
                             FaceCase{"DejaVu Serif", "DejaVu Serif"}})
        EXPECT_EQ(FontMapping::UsedFamily(*text::Utf8ToCp932(c.name)).toStdString(), c.family) << c.name;
}

TEST(FontMapping, ChoosingTheEquivalentOfAWindowsFaceStoresTheWindowsName) {
    const std::pair<const char*, const char*> cases[] = {
        {"IPAPMincho", "ＭＳ Ｐ明朝"}, {"IPA P Mincho", "ＭＳ Ｐ明朝"}, {"IPA P明朝", "ＭＳ Ｐ明朝"},
        {"IPAPGothic", "ＭＳ Ｐゴシック"}, {"IPAMincho", "ＭＳ 明朝"}, {"IPAゴシック", "ＭＳ ゴシック"},
        {"Liberation Sans", "Arial"}, {"liberation serif", "Times New Roman"}, {"Liberation Mono", "Courier New"},
        {"DejaVu Sans", "DejaVu Sans"}, {"IPAexGothic", "IPAexGothic"}};
    for (const auto& [chosen, stored] : cases)
        EXPECT_EQ(FontMapping::StoredFaceFor(chosen).toStdString(), stored) << chosen;
    // Opening the chooser on a stored face and confirming it unchanged keeps the stored name.
    for (const char* face : {"ＭＳ Ｐ明朝", "ＭＳ 明朝", "ＭＳ Ｐゴシック", "ＭＳ ゴシック", "Arial", "Times New Roman", "Courier New"})
        EXPECT_EQ(FontMapping::StoredFaceFor(FontMapping::UsedFamily(*text::Utf8ToCp932(face))).toStdString(), face);
}

}  // namespace
}  // namespace quillora::canvas
