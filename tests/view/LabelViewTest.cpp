#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "ScriptedInteraction.h"
#include "canvas/LabelImage.h"
#include "text/FixedField.h"
#include "view/DocumentWindow.h"
#include "view/LabelView.h"

using namespace quillora;

namespace {

class LabelViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        doc.header.outerDiameter = 120;
        doc.header.innerDiameter = 30;
        doc.Create({0x0000FF, 0, 0});  // red, no border
        doc.documentOpen = true;
        view = std::make_unique<view::LabelView>(doc, grid, flags, interaction, commands);
        view->SetSource(&bitmap);
    }

    // Sizes the whole widget so that its client (inside the scroll bars) has the given size.
    void SetClient(int width, int height) {
        view->show();
        const QSize extra = view->size() - view->ClientSize();
        view->resize(width + extra.width(), height + extra.height());
        ASSERT_EQ(view->ClientSize(), QSize(width, height));
    }

    QImage Painted() { return view->viewport()->grab().toImage(); }

    document::LabelDocument doc;
    settings::GridSettings grid;
    workspace::DialogFlags flags;
    ScriptedInteraction interaction;
    commands::CommandRegistry commands;
    canvas::ViewBitmap bitmap;
    std::unique_ptr<view::LabelView> view;
};

TEST_F(LabelViewTest, LabelIsCentredBesideTheRulersWhenItFits) {
    SetClient(400, 400);
    const QImage shot = Painted();
    EXPECT_EQ(doc.state.viewOriginX, 27);
    EXPECT_EQ(doc.state.viewOriginY, 27);
    EXPECT_EQ(shot.pixelColor(27 + 180, 27 + 60), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(26, 200), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(27 + 180, 27 + 180), QColor(Qt::red));  // the hole
    EXPECT_FALSE(view->horizontalScrollBar()->isEnabled());
    EXPECT_TRUE(view->horizontalScrollBar()->isVisible());

    // Rulers: white band, black border at 14, the long 0 tick over the label's edge and the
    // short ticks every 3 pixels in the lower third.
    EXPECT_EQ(shot.pixelColor(200, 14), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(14, 200), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(27, 1), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(57, 1), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(30, 12), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(31, 12), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(1, 27), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::white));
}

TEST_F(LabelViewTest, SmallWindowPinsTheLabelAndScrollsByTheRules) {
    SetClient(300, 300);
    EXPECT_EQ(Painted().pixelColor(15 + 180, 15 + 10), QColor(Qt::red));
    EXPECT_NE(Painted().pixelColor(15 + 100, 15), QColor(Qt::red));
    EXPECT_EQ(doc.state.viewOriginX, 15);
    QScrollBar* bar = view->horizontalScrollBar();
    EXPECT_TRUE(bar->isEnabled());
    // 0..374 with a page of 300.
    EXPECT_EQ(bar->maximum() + bar->pageStep() - 1, 374);
    EXPECT_EQ(bar->pageStep(), 300);

    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(doc.state.scrollX, 20);
    for (int i = 0; i < 15; ++i) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(doc.state.scrollX, 5);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(doc.state.scrollX, 0);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(doc.state.scrollX, 0);

    view->verticalScrollBar()->setSliderPosition(40);  // dragging the thumb
    EXPECT_EQ(doc.state.scrollY, 40);
    EXPECT_EQ(bar->value(), 0);
    // The label's row 40 now shows at the top: inside the disc where row 0 was outside.
    EXPECT_EQ(Painted().pixelColor(15 + 100, 15), QColor(Qt::red));

    // A size change starts again unscrolled.
    SetClient(320, 320);
    EXPECT_EQ(doc.state.scrollY, 0);
}

TEST_F(LabelViewTest, MouseReadoutAgreesWithTheRulers) {
    SetClient(400, 400);
    Painted();
    QSignalSpy position(view.get(), &view::LabelView::mousePositionChanged);
    QSignalSpy rulers(view.get(), &view::LabelView::mouseOverRulers);
    QTest::mouseMove(view->viewport(), QPoint(87, 60));
    ASSERT_EQ(position.count(), 1);
    EXPECT_EQ(position[0][0].toInt(), 20);
    EXPECT_EQ(position[0][1].toInt(), 11);
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(view->viewport(), QPoint(100, 10));
    EXPECT_EQ(rulers.count(), 1);
    EXPECT_NE(view->viewport()->cursor().shape(), Qt::CrossCursor);

    // Scrolled by 30: the same point is 10 mm further along, as the rulers show.
    SetClient(300, 300);
    view->horizontalScrollBar()->setSliderPosition(30);
    Painted();
    QTest::mouseMove(view->viewport(), QPoint(45, 45));
    EXPECT_EQ(position.last()[0].toInt(), 20);
    EXPECT_EQ(position.last()[1].toInt(), 10);
}

TEST_F(LabelViewTest, RightClickOffersNewLayersAtThePointInMillimetres) {
    SetClient(400, 375);  // viewOrigin (27, 15)
    Painted();
    ASSERT_EQ(doc.state.viewOriginY, 15);
    QStringList captions;
    int answer = 40059;
    view->SetMenuRunner([&](QMenu& menu, const QPoint&) {
        captions.clear();
        for (QAction* action : menu.actions()) captions << action->text();
        return answer;
    });
    QList<QPoint> proposed;
    int backgrounds = 0;
    commands.Define(commands::CommandId::NewTextLayer, [] {});
    commands.DefinePointProposal(commands::CommandId::NewTextLayer, [&](int x, int y) { proposed << QPoint(x, y); });
    commands.Define(commands::CommandId::BackgroundLayer, [&] { ++backgrounds; });
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(87, 60));
    EXPECT_EQ(proposed, QList<QPoint>{QPoint(20, 15)});
    EXPECT_EQ(captions, (QStringList{"新規文字ﾚｲﾔｰ(&T)...", "新規画像ﾚｲﾔｰ(&P)...", "", "ﾘｽﾄﾚｲﾔｰの設定(&L)...",
                                     "背景ﾚｲﾔｰの設定(&B)..."}));

    answer = 40063;
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(87, 60));
    EXPECT_EQ(backgrounds, 1);

    // Over the rulers nothing; while an editing dialog is open only a beep.
    captions.clear();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(5, 60));
    EXPECT_TRUE(captions.isEmpty());
    flags.backgroundDialogOpen = true;
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(87, 60));
    EXPECT_TRUE(captions.isEmpty());
    EXPECT_EQ(interaction.beeps, 1);
}

TEST_F(LabelViewTest, GridLinesFollowTheSpacingFromTheLabelEdges) {
    grid.visible = 1;
    grid.spacing = 10;
    grid.lineType = 0;
    grid.color = 0xFF0000;  // 0x00BBGGRR: blue
    SetClient(400, 400);
    const QImage shot = Painted();
    EXPECT_EQ(shot.pixelColor(27, 100), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(57, 100), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(88, 88), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(100, 87), QColor(Qt::blue));
}

// A rotated text layer and the list drawn over the red disc, for comparing pixels.
void AddText(document::LabelDocument& doc) {
    const int slot = doc.FindFreeSlot();
    doc.InsertAtSelection(slot);
    auto& layer = doc.layers[slot];
    layer.kind = document::LayerKind::Text;
    layer.visible = 1;
    text::StoreField(layer.text, "Quillora 8pt");
    text::StoreField(layer.fontFace, "Arial");
    layer.fontSize = 8;
    layer.angle = 30;
    layer.posX = 20;
    layer.posY = 40;
}

TEST_F(LabelViewTest, ZoomRendersTheLabelAtItsSizeAndEverythingFollows) {
    AddText(doc);
    SetClient(400, 400);
    QSignalSpy zoomed(view.get(), &view::LabelView::zoomChanged);
    view->SetZoom(400, QPoint(27 + 90, 27 + 120));  // 30 mm, 40 mm stays under the point
    ASSERT_EQ(zoomed.count(), 1);
    EXPECT_EQ(view->OuterPx(), 1440);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 1440 + 15 - 400);
    // The label file's fields keep counting at 3 pixels per millimetre.
    EXPECT_EQ(doc.state.viewOriginX, 27);
    EXPECT_EQ(doc.state.scrollX, view->horizontalScrollBar()->value() / 4);

    // The pixels are those of the whole label rendered at 12 pixels per millimetre.
    QImage whole(1440, 1440, QImage::Format_RGB32);
    canvas::PaintLabelImage(whole, doc, render::RenderTarget::View);
    const QPoint scroll(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    const QRect area(15, 15, 385, 385);
    EXPECT_EQ(Painted().copy(area).convertToFormat(QImage::Format_RGB32),
              whole.copy(area.translated(scroll - QPoint(15, 15))));

    // The readout and the right-click point at the anchor still say 30 mm, 40 mm.
    QSignalSpy position(view.get(), &view::LabelView::mousePositionChanged);
    QTest::mouseMove(view->viewport(), QPoint(27 + 90, 27 + 120));
    ASSERT_EQ(position.count(), 1);
    EXPECT_EQ(position[0][0].toInt(), 30);
    EXPECT_EQ(position[0][1].toInt(), 40);
    QList<QPoint> proposed;
    commands.Define(commands::CommandId::NewTextLayer, [] {});
    commands.DefinePointProposal(commands::CommandId::NewTextLayer, [&](int x, int y) { proposed << QPoint(x, y); });
    view->SetMenuRunner([](QMenu&, const QPoint&) { return 40059; });
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(27 + 90 + 12, 27 + 120));
    EXPECT_EQ(proposed, QList<QPoint>{QPoint(31, 40)});

    // Ctrl+wheel steps around the pointer: the point under it stays there.
    const QPoint pointer(200, 200);
    QTest::mouseMove(view->viewport(), pointer);
    const QPoint before(position.last()[0].toInt(), position.last()[1].toInt());
    QWheelEvent in(pointer, view->viewport()->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &in);
    EXPECT_EQ(view->Zoom(), 600);
    QTest::mouseMove(view->viewport(), pointer + QPoint(1, 1));
    QTest::mouseMove(view->viewport(), pointer);
    EXPECT_EQ(QPoint(position.last()[0].toInt(), position.last()[1].toInt()), before);
    view->StepZoom(-1, pointer);
    view->StepZoom(-1, pointer);
    EXPECT_EQ(view->Zoom(), 300);
    EXPECT_EQ(zoomed.count(), 4);
}

TEST(DocumentWindowTitle, NamesBothDiametersAndAZoomOtherThan100) {
    EXPECT_EQ(view::DocumentWindow::TitleFor(120, 30), QStringLiteral("ﾗﾍﾞﾙ [外径120mm：内径30mm]"));
    EXPECT_EQ(view::DocumentWindow::TitleFor(120, 30, 400), QStringLiteral("ﾗﾍﾞﾙ [外径120mm：内径30mm] 400%"));
}

}  // namespace
