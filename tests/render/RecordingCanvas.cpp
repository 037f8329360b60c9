#include "RecordingCanvas.h"

namespace quillora::render {

std::vector<Call> RecordingCanvas::Of(Op op) const {
    std::vector<Call> result;
    for (const Call& c : calls)
        if (c.op == op) result.push_back(c);
    return result;
}

std::vector<Op> RecordingCanvas::Ops() const {
    std::vector<Op> result;
    for (const Call& c : calls) result.push_back(c.op);
    return result;
}

Call& RecordingCanvas::Record(Op op) {
    calls.emplace_back();
    calls.back().op = op;
    return calls.back();
}

void RecordingCanvas::FillRect(const DeviceRect& rect, document::Colour colour) {
    Call& c = Record(Op::FillRect);
    c.rect = rect;
    c.colour = colour;
}

void RecordingCanvas::FillOutsideEllipse(const DeviceRect& area, const DeviceRect& ellipse, document::Colour colour) {
    Call& c = Record(Op::FillOutsideEllipse);
    c.rect = area;
    c.ellipse = ellipse;
    c.colour = colour;
}

void RecordingCanvas::FillEllipse(const DeviceRect& ellipse, document::Colour colour) {
    Call& c = Record(Op::FillEllipse);
    c.rect = ellipse;
    c.colour = colour;
}

void RecordingCanvas::FrameEllipse(const DeviceRect& ellipse, document::Colour colour) {
    Call& c = Record(Op::FrameEllipse);
    c.rect = ellipse;
    c.colour = colour;
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2, document::Colour colour) {
    Call& c = Record(Op::DrawLine);
    c.rect = {x1, y1, x2, y2};
    c.colour = colour;
}

void RecordingCanvas::SelectFont(const FontRequest& font) {
    cellHeight_ = font.cellHeight;
    Call& c = Record(Op::SelectFont);
    c.font = font;
}

void RecordingCanvas::DrawText(int x, int y, std::string_view text, document::Colour colour) {
    Call& c = Record(Op::DrawText);
    c.colour = colour;
    c.x = x;
    c.y = y;
    c.text = std::string(text);
}

DeviceSize RecordingCanvas::MeasureText(std::string_view text) {
    return {static_cast<int>(text.size()) * kCharWidth, cellHeight_};
}

void RecordingCanvas::DrawTextCentred(double x, double y, double degrees, std::string_view text,
                                      document::Colour colour) {
    Call& c = Record(Op::DrawTextCentred);
    c.colour = colour;
    c.centreX = x;
    c.centreY = y;
    c.degrees = degrees;
    c.text = std::string(text);
}

void RecordingCanvas::DrawPicture(const document::Picture& picture, const DeviceRect& dest, const DeviceRect& kept) {
    Call& c = Record(Op::DrawPicture);
    c.rect = dest;
    c.ellipse = kept;
    c.x = picture.width;
    c.y = picture.height;
}

}  // namespace quillora::render
