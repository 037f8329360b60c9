// A 24-megapixel JPEG loaded through LoadPicture and jpeg.pip, against libjpeg-turbo decoding
// the same file on its own. Counters: peak_MB is the most memory the load held at once above
// what the process held before it; budget_MB is the plug-in buffer plus the picture plus 32 MB.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "pictures/PictureLibrary.h"

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

// A photograph-like picture: smooth gradients with grain, so the file is of a usual size.
std::string WriteTestJpeg() {
    const auto path = (std::filesystem::temp_directory_path() / "quillora-bench-24mp.jpg").string();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::minstd_rand grain(42);
    std::vector<JSAMPLE> row(kWidth * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < kWidth; ++x) {
            const int noise = static_cast<int>(grain() % 24);
            row[3 * x] = static_cast<JSAMPLE>((x * 255 / kWidth + noise) & 0xFF);
            row[3 * x + 1] = static_cast<JSAMPLE>((y * 255 / kHeight + noise) & 0xFF);
            row[3 * x + 2] = static_cast<JSAMPLE>(((x + y) / 40 % 256 + noise) & 0xFF);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
    return path;
}

const std::string& TestJpeg() {
    static const std::string path = WriteTestJpeg();
    return path;
}

// Resident memory in kB from /proc/self/status ("VmRSS" now, "VmHWM" the peak).
long StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(key + ":")) return std::stol(line.substr(key.size() + 1));
    return -1;
}

// Resets the peak so that it measures from now on; false where the kernel does not allow it.
bool ResetPeak() { return static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5"); }

void LoadPictureThroughPlugin(benchmark::State& state) {
    const std::string& path = TestJpeg();
    bool measured = false;
    double peakMb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const bool reset = !measured && ResetPeak();
        const long before = StatusKb("VmRSS");
        state.ResumeTiming();
        auto picture = quillora::pictures::PictureLibrary(QUILLORA_PLUGIN_DIR).LoadPicture(path);
        if (!picture || picture->width != kWidth) state.SkipWithError("jpeg.pip did not load the picture");
        state.PauseTiming();
        if (reset) {
            peakMb = (StatusKb("VmHWM") - before) / 1024.0;
            measured = true;
        }
        picture.reset();
        state.ResumeTiming();
    }
    const double bufferMb = kWidth * static_cast<double>(kHeight) * 4 / (1024 * 1024);
    const double pictureMb =
        quillora::document::Picture::RowBytes(kWidth) * static_cast<double>(kHeight) / (1024 * 1024);
    state.counters["peak_MB"] = peakMb;
    state.counters["budget_MB"] = bufferMb + pictureMb + 32;
}

void DecodeWithLibjpegAlone(benchmark::State& state) {
    const std::string& path = TestJpeg();
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "rb");
        jpeg_decompress_struct cinfo{};
        jpeg_error_mgr errors{};
        cinfo.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, file);
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_EXT_BGR;
        jpeg_start_decompress(&cinfo);
        const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * 3;
        std::unique_ptr<JSAMPLE[]> pixels(new JSAMPLE[stride * cinfo.output_height]);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = pixels.get() + stride * cinfo.output_scanline;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.get());
    }
}

}  // namespace

BENCHMARK(LoadPictureThroughPlugin)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(DecodeWithLibjpegAlone)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_MAIN();
