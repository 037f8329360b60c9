#pragma once
// For tests of pictures drawn for high-density screens. Cases named *HighDensity* also run with
// QT_SCALE_FACTOR=2 (see quillora_test_at_ratio_2 in tests/CMakeLists.txt).
#include <QImage>
#include <QPixmap>

// The device pixel ratio the test program was started for: QT_SCALE_FACTOR, else 1.
qreal StartedRatio();

// How far a picture drawn at a higher density is from the plain one: the mean difference of
// their channels (0 to 255) once the dense one is brought down to the plain one's pixels.
double MeanDifference(const QPixmap& dense, const QImage& plain);
