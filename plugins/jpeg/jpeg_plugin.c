/* jpeg.pip: JPEG pictures through libjpeg-turbo (baseline, progressive, greyscale, CMYK). */
#include <setjmp.h>
#include <stdio.h>
#include <string.h>

#include <jpeglib.h>
#include <jerror.h>

#include "quillora_picture_plugin.h"

static const char kPattern[] = "*.jpg;*.jpeg;*.jpe";

/* libjpeg reports fatal errors through error_exit; jump back instead of exiting. */
struct ErrorManager {
    struct jpeg_error_mgr base;
    jmp_buf escape;
};

static void OnError(j_common_ptr cinfo) {
    struct ErrorManager* errors = (struct ErrorManager*)cinfo->err;
    longjmp(errors->escape, 1);
}

static void OnMessage(j_common_ptr cinfo) { (void)cinfo; }

/* Warnings are quiet, except that data ending before the picture does is a failure: libjpeg
 * would fill the rest with grey and call it read. */
static void OnEmit(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnError(cinfo);
}

/* Huffman coding spends at least a bit on every 8 x 8 block: a smaller file claims a size it
 * cannot hold, and is refused before anything of that size is allocated. (Arithmetic coding
 * has no such floor; a short file of it fails when it is read.) */
static int FileCanHold(struct jpeg_decompress_struct* cinfo, FILE* file) {
    if (cinfo->arith_code) return 1;
    if (fseek(file, 0, SEEK_END) != 0) return 0;
    long size = ftell(file);
    double blocks = (((double)cinfo->image_width + 7.0) / 8.0) * (((double)cinfo->image_height + 7.0) / 8.0);
    return size >= 0 && (double)size >= blocks / 8.0;
}

/* A decompressor on an open file, with the header read. */
struct Reader {
    struct jpeg_decompress_struct cinfo;
    struct ErrorManager errors;
    FILE* file;
};

static void CloseReader(struct Reader* reader) {
    jpeg_destroy_decompress(&reader->cinfo);
    if (reader->file) fclose(reader->file);
}

static int32_t Clamp255(int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

/* Adobe applications store CMYK inverted (0 = full ink) and mark the file with their APP14
 * marker; other writers store plain ink amounts. */
static void CmykRowToBgrx(const JSAMPLE* cmyk, uint8_t* out, JDIMENSION width, int inverted) {
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, out += 4) {
        int32_t c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[0] = (uint8_t)Clamp255((y * k + 127) / 255);
        out[1] = (uint8_t)Clamp255((m * k + 127) / 255);
        out[2] = (uint8_t)Clamp255((c * k + 127) / 255);
    }
}

static void GreyRowToBgrx(const JSAMPLE* grey, uint8_t* out, JDIMENSION width) {
    for (JDIMENSION x = 0; x < width; ++x, out += 4) out[0] = out[1] = out[2] = grey[x];
}

/* Decodes into the plug-in buffer: colour pictures straight as BGRX, greyscale and CMYK
 * through one row of their own. Returns 0 on any failure (after the jump). */
static int Decode(struct Reader* reader, uint8_t* pixels, int32_t width, int32_t height) {
    struct jpeg_decompress_struct* cinfo = &reader->cinfo;
    int cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    int grey = cinfo->jpeg_color_space == JCS_GRAYSCALE;
    if (cmyk) cinfo->out_color_space = JCS_CMYK;
    else if (grey) cinfo->out_color_space = JCS_GRAYSCALE;
    else cinfo->out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(cinfo);
    if ((int32_t)cinfo->output_width != width || (int32_t)cinfo->output_height != height) return 0;

    size_t stride = (size_t)width * 4;
    JSAMPARRAY row = NULL;
    if (cmyk || grey)
        row = (*cinfo->mem->alloc_sarray)((j_common_ptr)cinfo, JPOOL_IMAGE,
                                          cinfo->output_width * cinfo->output_components, 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        uint8_t* out = pixels + stride * cinfo->output_scanline;
        if (!row) {
            JSAMPROW target = out;
            jpeg_read_scanlines(cinfo, &target, 1);
        } else {
            jpeg_read_scanlines(cinfo, row, 1);
            if (cmyk) CmykRowToBgrx(row[0], out, cinfo->output_width, cinfo->saw_Adobe_marker);
            else GreyRowToBgrx(row[0], out, cinfo->output_width);
        }
    }
    jpeg_finish_decompress(cinfo);
    return 1;
}

int32_t imGetInfo(int32_t code, char* buffer, int32_t size) {
    if (code != QUILLORA_PIP_INFO_PATTERN || !buffer || size < (int32_t)sizeof kPattern) return 0;
    memcpy(buffer, kPattern, sizeof kPattern);
    return 1;
}

/* Every entry point opens its own reader; the jump target lives in the entry point's frame,
 * so the decoder is destroyed from there whatever stage it failed in. */
#define OPEN_READER(reader, path)                                       \
    memset(&(reader), 0, sizeof(reader));                               \
    (reader).cinfo.err = jpeg_std_error(&(reader).errors.base);        \
    (reader).errors.base.error_exit = OnError;                          \
    (reader).errors.base.output_message = OnMessage;                    \
    (reader).errors.base.emit_message = OnEmit;                         \
    if (setjmp((reader).errors.escape)) {                               \
        CloseReader(&(reader));                                         \
        return 0;                                                       \
    }                                                                   \
    jpeg_create_decompress(&(reader).cinfo);                            \
    if (!(path) || !((reader).file = fopen((path), "rb"))) {            \
        CloseReader(&(reader));                                         \
        return 0;                                                       \
    }                                                                   \
    jpeg_stdio_src(&(reader).cinfo, (reader).file);                     \
    jpeg_read_header(&(reader).cinfo, TRUE)

uint8_t imIsSupport(const char* path) {
    struct Reader reader;
    OPEN_READER(reader, path);
    CloseReader(&reader);
    return 1;
}

uint8_t imGetPictureSize(const char* path, int32_t* width, int32_t* height) {
    struct Reader reader;
    if (!width || !height) return 0;
    OPEN_READER(reader, path);
    *width = (int32_t)reader.cinfo.image_width;
    *height = (int32_t)reader.cinfo.image_height;
    int ok = FileCanHold(&reader.cinfo, reader.file);
    CloseReader(&reader);
    return (uint8_t)ok;
}

uint8_t imReadPicture(const char* path, int32_t width, int32_t height, uint8_t* pixels) {
    struct Reader reader;
    if (!pixels || width <= 0 || height <= 0) return 0;
    OPEN_READER(reader, path);
    int ok = Decode(&reader, pixels, width, height);
    CloseReader(&reader);
    return (uint8_t)ok;
}
