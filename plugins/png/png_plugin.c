/* png.pip: PNG pictures through libpng (every colour type and bit depth, interlaced or not),
 * transparent pixels composited over white. Sample values are taken as stored: no gamma. */
#include <setjmp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <png.h>

#include "quillora_picture_plugin.h"

static const char kPattern[] = "*.png";

static void OnError(png_structp png, png_const_charp message) {
    (void)message;
    png_longjmp(png, 1);
}

static void OnWarning(png_structp png, png_const_charp message) {
    (void)png;
    (void)message;
}

/* A reader on an open file. */
struct Reader {
    png_structp png;
    png_infop info;
    FILE* file;
    png_bytepp rows;
};

static void CloseReader(struct Reader* reader) {
    if (reader->png) png_destroy_read_struct(&reader->png, reader->info ? &reader->info : NULL, NULL);
    if (reader->file) fclose(reader->file);
    free(reader->rows);
}

static int OpenReader(struct Reader* reader, const char* path) {
    png_byte signature[8];
    memset(reader, 0, sizeof *reader);
    if (!path || !(reader->file = fopen(path, "rb"))) return 0;
    if (fread(signature, 1, sizeof signature, reader->file) != sizeof signature ||
        png_sig_cmp(signature, 0, sizeof signature) != 0)
        return 0;
    reader->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, OnError, OnWarning);
    if (!reader->png) return 0;
    reader->info = png_create_info_struct(reader->png);
    if (!reader->info) return 0;
    png_init_io(reader->png, reader->file);
    png_set_sig_bytes(reader->png, sizeof signature);
    /* Refuse a size the host would refuse anyway before inflating anything. */
    png_set_user_limits(reader->png, QUILLORA_PIP_MAX_SIDE, QUILLORA_PIP_MAX_SIDE);
    return 1;
}

/* Deflate packs at most about 1032 bytes into one: a file smaller than the least its rows could
 * compress to (one bit a pixel) claims a size it cannot hold, and is refused before anything
 * of that size is allocated. */
static int FileCanHold(FILE* file, png_uint_32 width, png_uint_32 height) {
    long here = ftell(file);
    if (here < 0 || fseek(file, 0, SEEK_END) != 0) return 0;
    long size = ftell(file);
    if (size < 0 || fseek(file, here, SEEK_SET) != 0) return 0;
    double rawBytes = (double)height * (1.0 + ((double)width + 7.0) / 8.0);
    return (double)size >= rawBytes / 1032.0;
}

/* Everything to 8-bit blue, green, red, alpha. */
static void RequestBgra(png_structp png, png_infop info) {
    int colourType = png_get_color_type(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

static void CompositeOverWhite(uint8_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i, pixels += 4) {
        unsigned alpha = pixels[3];
        if (alpha == 255) continue;
        for (int k = 0; k < 3; ++k)
            pixels[k] = (uint8_t)((pixels[k] * alpha + 255 * (255 - alpha) + 127) / 255);
    }
}

int32_t imGetInfo(int32_t code, char* buffer, int32_t size) {
    if (code != QUILLORA_PIP_INFO_PATTERN || !buffer || size < (int32_t)sizeof kPattern) return 0;
    memcpy(buffer, kPattern, sizeof kPattern);
    return 1;
}

uint8_t imIsSupport(const char* path) {
    struct Reader reader;
    int ok = OpenReader(&reader, path);
    if (ok) {
        if (setjmp(png_jmpbuf(reader.png))) ok = 0;
        else png_read_info(reader.png, reader.info);
    }
    CloseReader(&reader);
    return (uint8_t)ok;
}

uint8_t imGetPictureSize(const char* path, int32_t* width, int32_t* height) {
    struct Reader reader;
    if (!width || !height) return 0;
    int ok = OpenReader(&reader, path);
    if (ok) {
        if (setjmp(png_jmpbuf(reader.png))) {
            ok = 0;
        } else {
            png_read_info(reader.png, reader.info);
            *width = (int32_t)png_get_image_width(reader.png, reader.info);
            *height = (int32_t)png_get_image_height(reader.png, reader.info);
            ok = FileCanHold(reader.file, (png_uint_32)*width, (png_uint_32)*height);
        }
    }
    CloseReader(&reader);
    return (uint8_t)ok;
}

uint8_t imReadPicture(const char* path, int32_t width, int32_t height, uint8_t* pixels) {
    struct Reader reader;
    if (!pixels || width <= 0 || height <= 0) return 0;
    volatile int ok = OpenReader(&reader, path);
    if (ok) {
        if (setjmp(png_jmpbuf(reader.png))) {
            ok = 0;
        } else {
            png_read_info(reader.png, reader.info);
            if ((int32_t)png_get_image_width(reader.png, reader.info) != width ||
                (int32_t)png_get_image_height(reader.png, reader.info) != height) {
                ok = 0;
            } else {
                RequestBgra(reader.png, reader.info);
                reader.rows = malloc(sizeof(png_bytep) * (size_t)height);
                if (!reader.rows) png_error(reader.png, "out of memory");
                for (int32_t r = 0; r < height; ++r) reader.rows[r] = pixels + (size_t)r * width * 4;
                png_read_image(reader.png, reader.rows);
                /* The chunks after the image data are checked too, so a damaged file fails. */
                png_read_end(reader.png, NULL);
                CompositeOverWhite(pixels, (size_t)width * height);
            }
        }
    }
    CloseReader(&reader);
    return (uint8_t)ok;
}
