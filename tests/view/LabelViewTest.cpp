#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "ScriptedInteraction.h"
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
        doc.Create({});
        doc.documentOpen = true;
        label = QImage(360, 360, QImage::Format_RGB32);
        label.fill(Qt::red);
        view = std::make_unique<view::LabelView>(doc, grid, flags, interaction, commands);
        view->SetSource(&label);
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
    QImage label;
    std::unique_ptr<view::LabelView> view;
};

TEST_F(LabelViewTest, LabelIsCentredBesideTheRulersWhenItFits) {
    SetClient(400, 400);
    const QImage shot = Painted();
    EXPECT_EQ(doc.state.viewOriginX, 27);
    EXPECT_EQ(doc.state.viewOriginY, 27);
    EXPECT_EQ(shot.pixelColor(27 + 180, 27 + 180), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(26, 200), QColor(Qt::red));
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
    EXPECT_EQ(Painted().pixelColor(15, 15), QColor(Qt::red));
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
    // The bitmap is copied from the scrolled place: its row 40 now shows at the label's top.
    label.setPixelColor(0, 40, Qt::blue);
    view->viewport()->repaint();
    EXPECT_EQ(Painted().pixelColor(15, 15), QColor(Qt::blue));

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
    EXPECT_EQ(shot.pixelColor(58, 101), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(100, 87), QColor(Qt::blue));
}

TEST(DocumentWindowTitle, NamesBothDiameters) {
    EXPECT_EQ(view::DocumentWindow::TitleFor(120, 30), QStringLiteral("ﾗﾍﾞﾙ [外径120mm：内径30mm]"));
}

}  // namespace
