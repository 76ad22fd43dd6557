#include "skin/engine/SkinRequiredNames.h"
#include "platform/base/SysUtils.h"
#include "skin/engine/SkinKinds.h"

#include <gtest/gtest.h>

#include <set>

// The table is what the generator writes from and the validator checks: each
// kind word must create a class the check accepts, and no two names may
// collide when the skin is written (names compare without case there).
TEST(RequiredSkinNames, EachKindWordMakesTheExpectedClassAndNoNamesCollide) {
    std::set<std::string> controls, objects;
    for (const TlxRequiredSkinName& n : RequiredSkinNames()) {
        std::unique_ptr<TlxSkinDescription> made;
        if (n.List == TlxSkinListKind::Control)
            made = CreateSkinControl(n.Kind, n.Name);
        else
            made = CreateSkinObject(n.Kind, n.Name);
        ASSERT_TRUE(made) << n.Name << ": \"" << n.Kind << "\" creates nothing";
        EXPECT_TRUE(n.IsExpected(*made)) << n.Name;
        auto& names = n.List == TlxSkinListKind::Control ? controls : objects;
        EXPECT_TRUE(names.insert(LowerCase(n.Name)).second) << n.Name;
    }
}

TEST(RequiredSkinNames, AnEmptySkinLacksEveryNameAndEveryPicture) {
    TlxSkinContent empty;
    const std::vector<std::string> problems = CheckSkinCompleteness(empty);
    auto has = [&](const std::string& part) {
        for (const std::string& p : problems)
            if (p.find(part) != std::string::npos) return true;
        return false;
    };
    for (const TlxRequiredSkinName& n : RequiredSkinNames())
        EXPECT_TRUE(has("no description named \"" + std::string(n.Name) + "\"")) << n.Name;
    for (const char* part : {
             "no frame picture",
             "no inactive frame picture",
             "[FORMINFO] bgpictureindex",
             "[POPUPWINDOW] windowpictureindex",
             "[HINTWINDOW] windowpictureindex",
         })
        EXPECT_TRUE(has(part)) << part;
}
