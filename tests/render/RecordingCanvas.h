#pragma once
// A canvas that writes down every call, with fixed fake text metrics: each byte is
// kCharWidth wide and every text is the selected cell high.
#include <string>
#include <vector>

#include "render/Canvas.h"

namespace quillora::render {

enum class Op { FillRect, FillOutsideEllipse, FillEllipse, FrameEllipse, DrawLine, SelectFont, DrawText, DrawTextCentred,
                DrawPicture };

struct Call {
    Op op = Op::FillRect;
    DeviceRect rect{};   // the area, the ellipse, or the picture's destination
    DeviceRect ellipse{};  // FillOutsideEllipse's ellipse, DrawPicture's kept area
    document::Colour colour = 0;
    int x = 0;
    int y = 0;
    std::string text;
    FontRequest font{};
    double centreX = 0;  // DrawTextCentred's place and turn
    double centreY = 0;
    double degrees = 0;
};

class RecordingCanvas : public Canvas {
public:
    static constexpr int kCharWidth = 8;

    explicit RecordingCanvas(DeviceSize size = {1000, 1000}) : size_(size) {}

    std::vector<Call> calls;

    std::vector<Call> Of(Op op) const;
    std::vector<Op> Ops() const;

    DeviceSize Size() const override { return size_; }
    void FillRect(const DeviceRect& rect, document::Colour colour) override;
    void FillOutsideEllipse(const DeviceRect& area, const DeviceRect& ellipse, document::Colour colour) override;
    void FillEllipse(const DeviceRect& ellipse, document::Colour colour) override;
    void FrameEllipse(const DeviceRect& ellipse, document::Colour colour) override;
    void DrawLine(int x1, int y1, int x2, int y2, document::Colour colour) override;
    void SelectFont(const FontRequest& font) override;
    void DrawText(int x, int y, std::string_view text, document::Colour colour) override;
    DeviceSize MeasureText(std::string_view text) override;
    void DrawTextCentred(double x, double y, double degrees, std::string_view text, document::Colour colour) override;
    void DrawPicture(const document::Picture& picture, const DeviceRect& dest, const DeviceRect& kept) override;

private:
    Call& Record(Op op);

    DeviceSize size_;
    int cellHeight_ = 0;
};

}  // namespace quillora::render
