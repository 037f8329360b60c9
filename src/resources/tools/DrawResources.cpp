// Draws the program's pictures (application and document icons, the splash and the tips strip)
// into PNG files, the splash and the strip also at twice the size (name@2x.png) for high-density
// screens. Run by hand when the artwork changes; the results are kept in the source tree:
//   quillora_draw_resources <folder>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <cstdio>

namespace {

const QColor kLabelBlue(38, 92, 168);
const QColor kLabelTeal(46, 160, 170);
const QColor kSilverLight(236, 240, 246);
const QColor kSilverDark(150, 160, 176);

// A disc seen from the front: silver rim, printed label ring, clear centre and hole.
void DrawDisc(QPainter& p, const QPointF& centre, double radius) {
    const double r = radius;
    QRadialGradient silver(centre, r, centre - QPointF(r * 0.4, r * 0.5));
    silver.setColorAt(0, kSilverLight);
    silver.setColorAt(1, kSilverDark);
    p.setPen(QPen(QColor(90, 98, 112), qMax(1.0, r / 24)));
    p.setBrush(silver);
    p.drawEllipse(centre, r, r);

    QLinearGradient label(centre - QPointF(r, r), centre + QPointF(r, r));
    label.setColorAt(0, kLabelTeal);
    label.setColorAt(1, kLabelBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(label);
    p.drawEllipse(centre, r * 0.9, r * 0.9);

    // A quill stroke across the label: the program writes on discs.
    if (r >= 12) {
        QPainterPath stroke;
        stroke.moveTo(centre + QPointF(-r * 0.62, r * 0.28));
        stroke.cubicTo(centre + QPointF(-r * 0.2, -r * 0.2), centre + QPointF(r * 0.2, r * 0.45),
                       centre + QPointF(r * 0.66, -r * 0.18));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 220), qMax(1.0, r / 10), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stroke);
    }

    p.setPen(QPen(QColor(120, 128, 140), qMax(1.0, r / 32)));
    p.setBrush(kSilverLight);
    p.drawEllipse(centre, r * 0.3, r * 0.3);
    p.setBrush(QColor(0, 0, 0, 0));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawEllipse(centre, r * 0.12, r * 0.12);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage ApplicationIcon(int size) {
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawDisc(p, QPointF(size / 2.0, size / 2.0), size / 2.0 - qMax(0.5, size / 32.0));
    return image;
}

// A sheet with a turned corner and a disc on it.
QImage DocumentIcon(int size) {
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size, fold = s * 0.25;
    QPainterPath sheet;
    sheet.moveTo(s * 0.14, s * 0.04);
    sheet.lineTo(s * 0.86 - fold, s * 0.04);
    sheet.lineTo(s * 0.86, s * 0.04 + fold);
    sheet.lineTo(s * 0.86, s * 0.96);
    sheet.lineTo(s * 0.14, s * 0.96);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(110, 116, 128), qMax(1.0, s / 48)));
    p.setBrush(QColor(252, 252, 250));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(s * 0.86 - fold, s * 0.04);
    corner.lineTo(s * 0.86 - fold, s * 0.04 + fold);
    corner.lineTo(s * 0.86, s * 0.04 + fold);
    p.setBrush(QColor(214, 220, 230));
    p.drawPath(corner);
    DrawDisc(p, QPointF(s * 0.5, s * 0.6), s * 0.28);
    return image;
}

// An opaque picture of the given size in logical pixels, drawn at `scale` pixels per logical one.
QImage Opaque(int w, int h, int scale) {
    return QImage(w * scale, h * scale, QImage::Format_RGB32);
}

QImage Splash(int scale) {
    QImage image = Opaque(320, 240, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(20, 36, 72));
    sky.setColorAt(1, QColor(34, 82, 130));
    p.fillRect(QRectF(0, 0, 320, 240), sky);
    DrawDisc(p, QPointF(250, 150), 120);
    // The hole shows the background, not transparency, on an opaque picture.
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawEllipse(QPointF(250, 150), 120 * 0.12, 120 * 0.12);

    p.setPen(QColor(255, 255, 255));
    QFont title("DejaVu Serif");
    title.setPixelSize(40);
    title.setItalic(true);
    p.setFont(title);
    p.drawText(QRectF(18, 40, 240, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quillora"));
    QFont small("IPAPGothic");
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(214, 228, 246));
    p.drawText(QRectF(22, 96, 240, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("CD/DVD ラベル作成ソフト"));
    p.drawText(QRectF(22, 204, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Ver.1.00  Brenmoor, Inc."));
    return image;
}

// The strip beside the tips: a column of small discs fading upwards.
QImage TipsStrip(int scale) {
    QImage image = Opaque(50, 200, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, 200);
    band.setColorAt(0, QColor(34, 82, 130));
    band.setColorAt(1, QColor(20, 36, 72));
    p.fillRect(QRectF(0, 0, 50, 200), band);
    for (int i = 0; i < 4; ++i) {
        p.setOpacity(0.4 + 0.2 * i);
        DrawDisc(p, QPointF(25, 28 + i * 48), 18);
        p.setOpacity(1);
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawEllipse(QPointF(25, 28 + i * 48), 18 * 0.12, 18 * 0.12);
    }
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "PNG", 9)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        ok &= Save(ApplicationIcon(size), QStringLiteral("%1/icons/quillora-%2.png").arg(dir).arg(size));
        ok &= Save(DocumentIcon(size), QStringLiteral("%1/icons/quillora-document-%2.png").arg(dir).arg(size));
    }
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale);
        ok &= Save(Splash(scale), dir + QStringLiteral("/pictures/splash") + suffix);
        ok &= Save(TipsStrip(scale), dir + QStringLiteral("/pictures/tips") + suffix);
    }
    return ok ? 0 : 1;
}
