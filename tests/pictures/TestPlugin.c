/* A scripted picture plug-in for the host's tests, built in several variants:
 *   TP_SUPPORT  imIsSupport's answer for files that start with "TP"
 *   TP_SIZE     whether imGetPictureSize succeeds; the size comes from the file: "TP <w> <h> <x>"
 *   TP_READ     imReadPicture's result; the buffer is filled either way
 *   TP_MARK     the red value of every pixel, telling which plug-in filled a picture
 *   TP_PATTERN  the text imGetInfo writes (TP_PATTERN_FILL: the whole buffer, no NUL)
 *   TP_NO_READ_EXPORT  leaves imReadPicture out
 * Every call appends "<own file name> <export>" to the file named by QUILLORA_TEST_PLUGIN_LOG. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "quillora_picture_plugin.h"

static void Log(const char* export_name) {
    const char* logPath = getenv("QUILLORA_TEST_PLUGIN_LOG");
    Dl_info self;
    if (!logPath || !dladdr((void*)&Log, &self) || !self.dli_fname) return;
    const char* name = strrchr(self.dli_fname, '/');
    FILE* log = fopen(logPath, "a");
    if (!log) return;
    fprintf(log, "%s %s\n", name ? name + 1 : self.dli_fname, export_name);
    fclose(log);
}

/* The file's script: "TP <width> <height> <fourth byte>". */
static int ReadScript(const char* path, long* width, long* height, long* fourth) {
    FILE* file = fopen(path, "rb");
    if (!file) return 0;
    int fields = fscanf(file, "TP %ld %ld %ld", width, height, fourth);
    fclose(file);
    return fields == 3;
}

int32_t imGetInfo(int32_t code, char* buffer, int32_t size) {
    Log("imGetInfo");
    if (code != QUILLORA_PIP_INFO_PATTERN) return 0;
#ifdef TP_PATTERN_FILL
    memset(buffer, TP_PATTERN_FILL, (size_t)size);
#else
    snprintf(buffer, (size_t)size, "%s", TP_PATTERN);
#endif
    return 1;
}

uint8_t imIsSupport(const char* path) {
    Log("imIsSupport");
    long w, h, x;
    return ReadScript(path, &w, &h, &x) ? TP_SUPPORT : 0;
}

uint8_t imGetPictureSize(const char* path, int32_t* width, int32_t* height) {
    Log("imGetPictureSize");
    long w, h, x;
    if (!TP_SIZE || !ReadScript(path, &w, &h, &x)) return 0;
    *width = (int32_t)w;
    *height = (int32_t)h;
    return 1;
}

#ifndef TP_NO_READ_EXPORT
/* Pixel (r, c): blue 16r + c, green 0x80 + r, red TP_MARK, fourth byte from the script. */
uint8_t imReadPicture(const char* path, int32_t width, int32_t height, uint8_t* pixels) {
    Log("imReadPicture");
    long w, h, fourth;
    if (!ReadScript(path, &w, &h, &fourth) || w != width || h != height) return 0;
    for (int32_t r = 0; r < height; ++r)
        for (int32_t c = 0; c < width; ++c) {
            uint8_t* p = pixels + ((size_t)r * (size_t)width + (size_t)c) * 4;
            p[0] = (uint8_t)(16 * r + c);
            p[1] = (uint8_t)(0x80 + r);
            p[2] = TP_MARK;
            p[3] = (uint8_t)fourth;
        }
    return TP_READ;
}
#endif
