/* A frame-hook module with "Process" only: usable without arguments. */

#include <stdint.h>

int no_configure_processed;

void Process(void* ctx, void* picture, int pixFmt, int width, int height, int64_t pts) {
    (void)ctx;
    (void)picture;
    (void)pixFmt;
    (void)width;
    (void)height;
    (void)pts;
    ++no_configure_processed;
}
