#include "platform/vcl/TFormResources.h"

#include <gtest/gtest.h>

TEST(TFormResources, DescriptionsEmbeddedAtBuildTimeAreFoundByClassName) {
    auto text = FindFormResource("TEmbeddedProbe");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "object EmbeddedProbe: TEmbeddedProbe\n  Caption = '嵌入 embedded'\nend\n");
    EXPECT_TRUE(FindFormResource("tembeddedprobe").has_value());
    EXPECT_FALSE(FindFormResource("TMissing").has_value());
}
