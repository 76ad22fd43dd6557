// The control headers are compiled together in two generated files, in
// opposite orders; this program only has to build. A header that clashes
// with another (the same constant defined twice, a missing include hidden by
// the order) breaks the build here rather than in the first window that
// includes both.
#include <gtest/gtest.h>

void ControlHeadersForward();
void ControlHeadersBackward();

TEST(ControlHeaders, AllIncludeTogetherInEitherOrder) {
    ControlHeadersForward();
    ControlHeadersBackward();
}
