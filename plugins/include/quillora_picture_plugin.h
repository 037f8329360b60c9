/*
 * Quillora picture plug-in interface.
 *
 * A picture plug-in is a shared library whose file name ends in ".pip", placed in the folder of
 * the Quillora program. It exports the four functions below with C linkage. Quillora reads BMP
 * files itself and hands every other picture file to the plug-ins.
 *
 * Calling order. For every operation Quillora lists the "*.pip" files of its folder afresh,
 * visits them in byte order of their names, loads each by absolute path for that one call and
 * unloads it again; nothing stays loaded and no state survives between calls. Reading a file
 * calls, per plug-in: imIsSupport, imGetPictureSize, imReadPicture; the first plug-in that
 * answers yes to all three wins. The size query on its own calls imGetPictureSize of every
 * plug-in without asking imIsSupport first; the first that succeeds decides the size.
 *
 * Paths are NUL-terminated file-system paths (UTF-8 on Linux).
 * Results of type uint8_t: non-zero means yes or success.
 */
#ifndef QUILLORA_PICTURE_PLUGIN_H
#define QUILLORA_PICTURE_PLUGIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define QUILLORA_PIP_EXPORT __attribute__((visibility("default")))
#else
#define QUILLORA_PIP_EXPORT
#endif

/* The only information code Quillora asks for: the file-name pattern of the formats read,
 * in ASCII, such as "*.jpg;*.jpeg" (Quillora appends the separating ";" itself). All plug-in
 * patterns share 220 bytes of the file chooser's filter; one that no longer fits is left out. */
#define QUILLORA_PIP_INFO_PATTERN 2
/* Size of the buffer Quillora passes with QUILLORA_PIP_INFO_PATTERN, NUL included. */
#define QUILLORA_PIP_INFO_BUFFER_SIZE 100

/* Largest picture Quillora accepts: each side and the pixel count. A larger size reported by
 * imGetPictureSize counts as a failure, and imReadPicture is not called. */
#define QUILLORA_PIP_MAX_SIDE 16384
#define QUILLORA_PIP_MAX_PIXELS (256 * 1024 * 1024)

/* Writes a NUL-terminated text for the information code into buffer (size bytes).
 * The result is ignored. */
QUILLORA_PIP_EXPORT int32_t imGetInfo(int32_t code, char* buffer, int32_t size);

/* Non-zero when this plug-in can read the file. Should be quick: the header is enough. */
QUILLORA_PIP_EXPORT uint8_t imIsSupport(const char* path);

/* Non-zero on success, with the picture's width and height in pixels written. */
QUILLORA_PIP_EXPORT uint8_t imGetPictureSize(const char* path, int32_t* width, int32_t* height);

/* Fills pixels with the picture. width and height are what this plug-in's imGetPictureSize
 * has just reported for the same path. The buffer holds width * height * 4 bytes, zero-filled;
 * rows run top-down and the pixel at column c of row r starts at byte (r * width + c) * 4:
 * byte 0 blue, byte 1 green, byte 2 red, byte 3 ignored. Non-zero on success. On failure
 * Quillora may still show what the plug-in left in the buffer. */
QUILLORA_PIP_EXPORT uint8_t imReadPicture(const char* path, int32_t width, int32_t height,
                                          uint8_t* pixels);

/* Pointer types for looking the exports up with dlsym. */
typedef int32_t (*QuilloraPipGetInfo)(int32_t code, char* buffer, int32_t size);
typedef uint8_t (*QuilloraPipIsSupport)(const char* path);
typedef uint8_t (*QuilloraPipGetPictureSize)(const char* path, int32_t* width, int32_t* height);
typedef uint8_t (*QuilloraPipReadPicture)(const char* path, int32_t width, int32_t height,
                                          uint8_t* pixels);

#ifdef __cplusplus
}
#endif

#endif
