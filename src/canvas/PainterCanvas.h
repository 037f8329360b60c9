#pragma once
// The label canvas on a QPainter: a view QImage or a printer page alike. Antialiasing is off
// everywhere, as the label's device-unit geometry expects.
#include <QFont>
#include <QFontMetrics>
#include <optional>

#include "RenderThreads.h"
#include "render/Canvas.h"

class QPainter;

namespace quillora::canvas {

class ScaledPictures;

class PainterCanvas : public render::Canvas {
public:
    // The painter must be active on its device for the canvas's lifetime. With `pictures`, pictures
    // drawn into an image come from (and are kept in) it. A picture's rows are shared among at
    // most `pictureThreads` threads.
    explicit PainterCanvas(QPainter& painter, ScaledPictures* pictures = nullptr, int pictureThreads = RenderThreads());

    render::DeviceSize Size() const override;
    void FillRect(const render::DeviceRect& rect, document::Colour colour) override;
    void FillOutsideEllipse(const render::DeviceRect& area, const render::DeviceRect& ellipse,
                            document::Colour colour) override;
    void FillEllipse(const render::DeviceRect& ellipse, document::Colour colour) override;
    void FrameEllipse(const render::DeviceRect& ellipse, document::Colour colour) override;
    void DrawLine(int x1, int y1, int x2, int y2, document::Colour colour) override;
    void SelectFont(const render::FontRequest& font) override;
    void DrawText(int x, int y, std::string_view text, document::Colour colour) override;
    render::DeviceSize MeasureText(std::string_view text) override;
    void DrawTextCentred(double x, double y, double degrees, std::string_view text, document::Colour colour) override;
    void DrawPicture(const document::Picture& picture, const render::DeviceRect& dest,
                     const render::DeviceRect& kept) override;

private:
    void FillSpan(int y, int left, int right, const QColor& colour);

    QPainter& painter_;
    ScaledPictures* pictures_;
    int pictureThreads_;
    std::optional<QFontMetrics> metrics_;
    int cellHeight_ = 0;
    int angle_ = 0;
};

}  // namespace quillora::canvas
