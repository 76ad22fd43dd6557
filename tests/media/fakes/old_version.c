/* Every bound name of the resampler, reporting an older major version. */
#define swresample_version swresample_version_unused
#define DUVA_FN(name)                                                                                        \
    void name(void) {}
#include "media/bindings/swresample.inc"
#undef swresample_version
unsigned swresample_version(void) {
    return 3u << 16 | 9u << 8 | 100u;
}
