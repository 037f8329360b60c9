// png.pip on the whole of PngSuite and on damaged files.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <cmath>
#include <filesystem>

#include "RealPlugin.h"
#include "TempDir.h"

namespace {
const std::string kSuite = std::string(QUILLORA_TEST_DATA) + "/pngsuite";

std::vector<std::string> SuiteNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kSuite + "/png"))
        names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// 16-bit images end in "16"; their references are 16-bit, or reduced to 8 bits in "_to8".
bool Is16Bit(const std::string& name) { return name.ends_with("16"); }

// The reference pixels on the 8-bit scale, [r, g, b, a] per pixel from the top row.
std::vector<double> Reference(const std::string& name) {
    for (const char* suffix : {"_to8.json", ".json"}) {
        QFile file(QString::fromStdString(kSuite + "/json/" + name + suffix));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const double scale = Is16Bit(name) && std::string(suffix) == ".json" ? 257.0 : 1.0;
        std::vector<double> values;
        for (const auto& v : QJsonDocument::fromJson(file.readAll()).array()) values.push_back(v.toInt() / scale);
        return values;
    }
    return {};
}

// A reference colour composited over white; exact for opaque pixels.
double OverWhite(double colour, double alpha) { return colour * alpha / 255.0 + 255.0 * (255 - alpha) / 255.0; }
}  // namespace

TEST(PngPlugin, DecodesEveryValidPngSuiteImageToTheReferencePixelsOverWhite) {
    auto plugin = OpenShippedPlugin("png.pip");
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->Pattern(), "*.png");
    int checked = 0;
    for (const auto& name : SuiteNames()) {
        if (name.starts_with("x")) continue;
        SCOPED_TRACE(name);
        auto pixels = DecodeWith(*plugin, kSuite + "/png/" + name + ".png");
        ASSERT_TRUE(pixels);
        const auto reference = Reference(name);
        ASSERT_EQ(reference.size(), pixels->bgrx.size());
        // 8 bits to 8 bits is exact; 16-bit samples were reduced with varying rounding.
        const double tolerance = Is16Bit(name) ? 1.0 : 0.5;
        int mismatches = 0;
        for (std::size_t i = 0; i < reference.size(); i += 4) {
            const double alpha = reference[i + 3];
            for (int k = 0; k < 3; ++k) {
                const double expected = OverWhite(reference[i + k], alpha);
                if (std::abs(pixels->bgrx[i + 2 - k] - expected) > tolerance && ++mismatches <= 3)
                    ADD_FAILURE() << "pixel " << i / 4 << " channel " << k << ": " << int(pixels->bgrx[i + 2 - k])
                                  << " expected " << expected;
            }
        }
        EXPECT_EQ(mismatches, 0);
        ++checked;
    }
    EXPECT_EQ(checked, 161);
}

TEST(PngPlugin, RefusesEveryCorruptPngSuiteFile) {
    auto plugin = OpenShippedPlugin("png.pip");
    ASSERT_TRUE(plugin);
    int refused = 0;
    for (const auto& name : SuiteNames()) {
        if (!name.starts_with("x")) continue;
        SCOPED_TRACE(name);
        EXPECT_FALSE(DecodeWith(*plugin, kSuite + "/png/" + name + ".png"));
        ++refused;
    }
    EXPECT_EQ(refused, 14);
}

TEST(PngPlugin, RefusesTruncatedFilesAndSizesItDidNotReport) {
    auto plugin = OpenShippedPlugin("png.pip");
    ASSERT_TRUE(plugin);
    TempDir dir;
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30, 128));
    const auto good = dir.File("good.png");
    ASSERT_TRUE(image.save(QString::fromStdString(good), "PNG"));
    auto pixels = DecodeWith(*plugin, good);
    ASSERT_TRUE(pixels);
    EXPECT_NEAR(pixels->At(39, 29)[2], OverWhite(10, 128), 1);
    EXPECT_NEAR(pixels->At(39, 29)[1], OverWhite(200, 128), 1);

    const std::string bytes = ReadWholeFile(good);
    WriteWholeFile(dir.File("cut.png"), bytes.substr(0, bytes.size() - 20));
    WriteWholeFile(dir.File("signature.png"), bytes.substr(0, 8));
    for (const char* name : {"cut.png", "signature.png", "absent.png"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(DecodeWith(*plugin, dir.File(name)));
    }
    auto buffer = quillora::pictures::PluginPixelBuffer::Create(30, 40);
    EXPECT_FALSE(plugin->ReadPicture(good, *buffer));
}
