// Pictures of the document's picture layers: opening a document and copying a layer.
#include <gtest/gtest.h>

#include <cstring>

#include "PictureLibrary.h"
#include "PluginTestFolder.h"
#include "text/Cp932.h"
#include "text/FixedField.h"

using quillora::document::LabelDocument;
using quillora::document::LayerKind;
using quillora::pictures::PictureLibrary;

namespace {
void MakePictureLayer(LabelDocument& doc, int slot, const std::string& storedPath) {
    auto& layer = doc.layers[slot];
    layer.kind = LayerKind::Picture;
    std::memset(layer.name, 'n', sizeof layer.name);
    quillora::text::StoreField(layer.picturePath, storedPath);
    layer.imageWidthPx = 3;
    layer.imageHeightPx = 2;
    layer.widthMm = 30;
}
}  // namespace

// A new 120 / 30 document and a program folder with one plug-in that reads every script.
class DocumentPictures : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Install("tp_accept", "a.pip");
        doc.header.outerDiameter = 120;
        doc.header.innerDiameter = 30;
        doc.Create({});
    }

    PluginTestFolder folder;
    LabelDocument doc;
};

TEST_F(DocumentPictures, OpeningLoadsEveryPictureLayerAndMarksTheMissingOnes) {
    const std::string present = folder.Script("present.any", 3, 2);
    const std::string missing1 = folder.File("gone.any");
    const std::string missing2 = quillora::text::Utf8PathToStored(folder.File("消えた.any"));
    MakePictureLayer(doc, 3, present);
    doc.InsertAtSelection(3);
    MakePictureLayer(doc, 9, missing2);  // not in the stacking order: loaded all the same
    MakePictureLayer(doc, 7, missing1);
    doc.InsertAtSelection(7);
    MakePictureLayer(doc, 12, present);
    doc.layers[12].kind = LayerKind::Text;  // a path in a text layer is no picture
    doc.pictures[12] = std::make_unique<quillora::document::Picture>();

    auto missing = PictureLibrary(folder.Dir()).RebuildPictures(doc);

    EXPECT_EQ(missing, (std::vector<std::string>{missing1, missing2}));
    ASSERT_TRUE(doc.pictures[3]);
    EXPECT_EQ(doc.pictures[3]->width, 3);
    EXPECT_FALSE(doc.pictures[7]);
    EXPECT_FALSE(doc.pictures[9]);
    EXPECT_FALSE(doc.pictures[12]);

    std::string expectedName = quillora::text::Utf8ToCp932("画像ﾌｧｲﾙが見つかりません").value();
    expectedName.resize(50, '\0');
    for (int slot : {7, 9}) {
        const auto& layer = doc.layers[slot];
        EXPECT_EQ(std::string(layer.name, sizeof layer.name), expectedName);
        EXPECT_EQ(layer.kind, LayerKind::Picture);
        EXPECT_EQ(layer.imageWidthPx, 3);
        EXPECT_EQ(layer.widthMm, 30);
    }
    EXPECT_EQ(quillora::text::FieldView(doc.layers[7].picturePath), missing1);
    EXPECT_EQ(doc.layers[3].name[0], 'n');  // found pictures keep their names
}

TEST_F(DocumentPictures, ACopiedPictureLayerSharesThePictureWithoutReadingIt) {
    MakePictureLayer(doc, 4, folder.Script("p.any", 3, 2));
    doc.InsertAtSelection(4);
    ASSERT_TRUE(PictureLibrary(folder.Dir()).LoadSlotPicture(doc, 4));
    EXPECT_EQ(folder.TakeLog().size(), 3u);

    int copy = doc.CopyLayerRecord(doc.SafeSelectedPos());
    ASSERT_GE(copy, 0);
    EXPECT_TRUE(folder.TakeLog().empty());
    EXPECT_EQ(doc.pictures[copy], doc.pictures[4]);

    // A slot that holds no picture layer (any more) holds no picture.
    doc.layers[copy].kind = LayerKind::Text;
    EXPECT_FALSE(PictureLibrary(folder.Dir()).LoadSlotPicture(doc, copy));
    EXPECT_FALSE(doc.pictures[copy]);
    EXPECT_FALSE(PictureLibrary(folder.Dir()).LoadSlotPicture(doc, 50));
    EXPECT_FALSE(PictureLibrary(folder.Dir()).LoadSlotPicture(doc, -1));
}
