#pragma once
// The drawing surface the label renderer paints on. The renderer never calls a window system:
// it computes every device coordinate itself and asks the canvas only for these operations.
#include <string>
#include <string_view>

#include "document/Picture.h"
#include "document/Records.h"

namespace quillora::render {

// Device units; right and bottom are exclusive.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const DeviceRect&) const = default;
};

struct DeviceSize {
    int width = 0;
    int height = 0;
    bool operator==(const DeviceSize&) const = default;
};

struct FontRequest {
    std::string face;        // code page 932 bytes
    int cellHeight = 0;      // ascent + descent in device units, at least 1
    int weight = 0;          // 0 = the face's normal weight, otherwise 1..1000
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int angle = 0;           // whole degrees counter-clockwise, 0..359
    bool operator==(const FontRequest&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Size of the whole drawable area (a printer page's printable area).
    virtual DeviceSize Size() const = 0;

    virtual void FillRect(const DeviceRect& rect, document::Colour colour) = 0;
    // Fills `area` except the ellipse inscribed in `ellipse`.
    virtual void FillOutsideEllipse(const DeviceRect& area, const DeviceRect& ellipse,
                                    document::Colour colour) = 0;
    virtual void FillEllipse(const DeviceRect& ellipse, document::Colour colour) = 0;
    // A frame one device unit wide on the inside edge of the ellipse.
    virtual void FrameEllipse(const DeviceRect& ellipse, document::Colour colour) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2, document::Colour colour) = 0;

    // Texts are code page 932 bytes. (x, y) is the top-left corner of the unrotated cell;
    // the text turns about it by the font's angle. No background is painted.
    virtual void SelectFont(const FontRequest& font) = 0;
    virtual void DrawText(int x, int y, std::string_view text, document::Colour colour) = 0;
    // Width and cell height with the selected font; an empty text has the font's line height.
    virtual DeviceSize MeasureText(std::string_view text) = 0;
    // Text along a curve: drawn with the selected font, whose own angle is ignored, turned
    // `degrees` clockwise about (x, y), the middle of its advance and of its cell. Positions and
    // the angle need not be whole units.
    virtual void DrawTextCentred(double x, double y, double degrees, std::string_view text,
                                 document::Colour colour) = 0;

    // The whole picture stretched into `dest` without smoothing. Only what lies inside the
    // ellipse inscribed in `kept` must be drawn: the label's mask paints over the rest.
    virtual void DrawPicture(const document::Picture& picture, const DeviceRect& dest, const DeviceRect& kept) = 0;
};

}  // namespace quillora::render
