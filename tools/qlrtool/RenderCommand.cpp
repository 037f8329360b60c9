// qlrtool render FILE.qlr OUT.png [--scale S | --dpi D] [--view]: the label as a PNG image of
// its bounding square, rendered as the print renders it (or as the window shows it).
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "CommandTable.h"
#include "DocumentReading.h"
#include "PictureReport.h"
#include "canvas/LabelImage.h"
#include "pictures/PictureLibrary.h"
#include "render/LabelRenderer.h"
#include "settings/ProgramDirectory.h"
#include "document/Limits.h"

namespace qlrtool {
namespace {

using quillora::render::RenderTarget;

constexpr char kUsage[] = "render FILE.qlr OUT.png [--scale S | --dpi D] [--view]";

constexpr float kViewScale = quillora::document::kViewPixelsPerMm;
constexpr double kMmPerInch = 25.4;
using quillora::canvas::kMaxImageSide;

struct RenderOptions {
    std::string input;
    std::string output;
    float scale = kViewScale;
    RenderTarget target = RenderTarget::Printer;
};

std::optional<double> PositiveNumber(const std::string& text) {
    char* end = nullptr;
    double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(v > 0) || v > 1e6) return std::nullopt;
    return v;
}

std::optional<RenderOptions> ParseOptions(const std::vector<std::string>& args) {
    RenderOptions options;
    std::vector<std::string> files;
    bool scaleGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--view") {
            options.target = RenderTarget::View;
        } else if (a == "--scale" || a == "--dpi") {
            if (scaleGiven || i + 1 >= args.size()) return std::nullopt;
            auto v = PositiveNumber(args[++i]);
            if (!v) return std::nullopt;
            options.scale = static_cast<float>(a == "--dpi" ? *v / kMmPerInch : *v);
            scaleGiven = true;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) return std::nullopt;
    options.input = files[0];
    options.output = files[1];
    return options;
}

int Render(const std::vector<std::string>& args) {
    auto options = ParseOptions(args);
    if (!options) return UsageError(kUsage);
    quillora::document::LabelDocument doc;
    if (!ReadDocumentOrReport(options->input, doc)) return kExitFile;

    const int side = quillora::canvas::LabelImageSide(doc, options->scale);
    if (side < 1 || side > kMaxImageSide) {
        std::cerr << "render: the image would be " << side << " pixels wide; 1 to " << kMaxImageSide
                  << " are possible\n";
        return kExitUsage;
    }

    // Fonts need a GUI application; rendering needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "qlrtool";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    ReportMissingPictures(quillora::pictures::PictureLibrary(quillora::settings::ProgramDirectory()).RebuildPictures(doc));

    const QImage image = quillora::canvas::RenderLabelImage(doc, options->scale, options->target);
    if (image.isNull()) {
        std::cerr << "render: not enough memory for a " << side << " x " << side << " image\n";
        return kExitFile;
    }
    if (!image.save(QString::fromStdString(options->output), "PNG")) {
        std::cerr << "render: cannot write \"" << options->output << "\"\n";
        return kExitFile;
    }
    return kExitOk;
}

const Command kRender("render", kUsage, Render);

}  // namespace
}  // namespace qlrtool
