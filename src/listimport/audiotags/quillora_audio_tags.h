/*
 * The audio tag module's interface: TagLib behind one C function, so that the program loads
 * TagLib only when a music folder is first read. Nothing but plain data crosses it, and no
 * exception leaves the module.
 */
#ifndef QUILLORA_AUDIO_TAGS_H
#define QUILLORA_AUDIO_TAGS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define QUILLORA_AUDIO_TAGS_EXPORT __attribute__((visibility("default")))
#else
#define QUILLORA_AUDIO_TAGS_EXPORT
#endif

/* What quillora_read_audio_tags returns. */
#define QUILLORA_AUDIO_TAGS_NOT_AUDIO 0 /* unreadable, or no stream with a sample rate */
#define QUILLORA_AUDIO_TAGS_AUDIO 1     /* audio: the tags are filled in */
#define QUILLORA_AUDIO_TAGS_FAILED 2    /* the tag library failed (out of memory, say) */

typedef struct QuilloraAudioTags {
    unsigned int track;   /* the track number, 0 when there is none */
    char* title;          /* the caller's buffer: the title, UTF-8, white space trimmed, no NUL added */
    size_t titleCapacity; /* bytes at title */
    size_t titleLength;   /* the whole title's length; above titleCapacity only part was written:
                             read again with a buffer that large */
} QuilloraAudioTags;

/* Reads the title and track number of an audio file: from its tag, and for WAV from its RIFF
 * INFO chunk where the tag has none. */
QUILLORA_AUDIO_TAGS_EXPORT int quillora_read_audio_tags(const char* path, QuilloraAudioTags* tags);

typedef int (*QuilloraReadAudioTags)(const char* path, QuilloraAudioTags* tags);

#ifdef __cplusplus
}
#endif

#endif
