#include "ScreenDensity.h"

#include <QtGlobal>
#include <cstdlib>

qreal StartedRatio() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

double MeanDifference(const QPixmap& dense, const QImage& plain) {
    const QImage a = dense.toImage()
                         .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_ARGB32);
    const QImage b = plain.convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < b.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int i = 0; i < b.width() * 4; ++i) sum += std::abs(int(p[i]) - int(q[i]));
    }
    return sum / (b.width() * b.height() * 4.0);
}
