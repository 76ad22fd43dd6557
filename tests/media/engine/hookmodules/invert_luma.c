/* A frame-hook module that inverts the first plane (luma) of every picture.
   It records how it was configured and released, for the tests to read. */

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    uint8_t* data[4];
    int linesize[4];
} HookPicture;

typedef struct {
    int frames;
} InvertContext;

/* Words of the last Configure, joined by "," ; counters. */
char invert_configure_args[1024];
int invert_configure_argc;
int invert_configure_last_index;
int invert_processed;
int invert_released;

int Configure(void** ctxp, int argc, char* argv[], int lastIndex) {
    invert_configure_argc = argc;
    invert_configure_last_index = lastIndex;
    invert_configure_args[0] = 0;
    for (int i = 0; i < argc; ++i) {
        if (i > 0)
            strncat(invert_configure_args, ",",
                    sizeof invert_configure_args - strlen(invert_configure_args) - 1);
        strncat(invert_configure_args, argv[i],
                sizeof invert_configure_args - strlen(invert_configure_args) - 1);
        if (strcmp(argv[i], "fail") == 0) return 1;
    }
    InvertContext* ctx = calloc(1, sizeof(InvertContext));
    if (!ctx) return 1;
    *ctxp = ctx;
    return 0;
}

void Process(void* opaque, HookPicture* picture, int pixFmt, int width, int height, int64_t pts) {
    (void)pixFmt;
    (void)pts;
    InvertContext* ctx = opaque;
    ++ctx->frames;
    ++invert_processed;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = picture->data[0] + (ptrdiff_t)y * picture->linesize[0];
        for (int x = 0; x < width; ++x)
            row[x] = (uint8_t)(255 - row[x]);
    }
}

void Release(void* opaque) {
    ++invert_released;
    free(opaque);
}
