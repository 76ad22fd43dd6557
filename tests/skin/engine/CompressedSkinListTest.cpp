#include "SkinStreams.h"

#include "platform/base/Exception.h"
#include "platform/base/MemoryStream.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TDescriptionReader.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/SkinEngineRegistration.h"

#include <gtest/gtest.h>

namespace {

std::string Bytes(TMemoryStream& s) {
    return std::string(static_cast<const char*>(s.Memory()), size_t(s.Size()));
}

std::string StoredBytes(TlxCompressedStoredSkin& skin) {
    TMemoryStream s;
    skin.SaveToCompressStream(s);
    return Bytes(s);
}

void Fill(TlxCompressedStoredSkin& skin, const std::string& stream) {
    TStringStream in(stream);
    skin.LoadFromCompressStream(in);
}

const TDescProperty* FindProp(const std::vector<TDescProperty>& props, const std::string& name) {
    for (const TDescProperty& p : props)
        if (p.Name == name) return &p;
    return nullptr;
}

} // namespace

TEST(TlxCompressedSkinList, ItemsAreNamedByTheirIndexWhenAddedAndNeverRenamed) {
    TComponentPtr<TlxCompressedSkinList> list(new TlxCompressedSkinList(nullptr));
    EXPECT_EQ(list->Skins()->Count(), 0);
    EXPECT_EQ(list->Skins()->GetOwner(), list.get());
    for (int i = 0; i < 3; ++i)
        list->Skins()->Add();
    EXPECT_EQ(list->Skins()->GetItem(2)->Name(), "lxSkin2");
    EXPECT_EQ(list->Skins()->GetItem(2)->DisplayName(), "lxSkin2");
    EXPECT_TRUE(list->Skins()->GetItem(0)->Skin()->Empty());

    list->Skins()->GetItem(0)->SetName("Blue");
    list->Skins()->Delete(1);
    TlxSkinListItem* added = list->Skins()->Add();
    EXPECT_EQ(added->Name(), "lxSkin2") << "index 2 at the moment it was added";
    EXPECT_EQ(list->Skins()->GetItem(0)->Name(), "Blue");
    EXPECT_EQ(list->Skins()->GetItem(1)->Name(), "lxSkin2");
    EXPECT_THROW(list->Skins()->GetItem(3), EListError);
    EXPECT_THROW(list->Skins()->GetItem(-1), EListError);
}

TEST(TlxCompressedSkinList, SkinsTravelThroughAFormDescriptionAsWholeCompressedStreams) {
    RegisterSkinEngineClasses();
    const std::string blue = NamedSkinStream("Blue");
    TComponentPtr<TComponent> root(new TComponent(nullptr));
    root->SetName("Root");
    auto* list = new TlxCompressedSkinList(root.get());
    list->SetName("SkinList");
    TlxSkinListItem* first = list->Skins()->Add();
    first->SetName("Blue");
    first->SetDescription("a blue skin");
    first->SetCompressedFileName("blue.skn");
    Fill(*first->Skin(), blue);
    list->Skins()->Add(); // an empty skin
    auto* stored = new TlxCompressedStoredSkin(root.get());
    stored->SetName("Stored");

    const TDescObject written = TComponentWriter::Write(root.get());
    ASSERT_EQ(written.Children.size(), 2u);
    const TDescProperty* skins = FindProp(written.Children[0].Properties, "Skins");
    ASSERT_TRUE(skins);
    ASSERT_EQ(skins->Value.Items.size(), 2u);
    const TDescProperty* emptySkin = FindProp(skins->Value.Items[1].Properties, "Skin");
    ASSERT_TRUE(emptySkin) << "written also for an empty skin";
    EXPECT_EQ(emptySkin->Value.Bytes, (std::vector<uint8_t>{3, 0, 0, 0, 0, 0, 0, 0}));
    const TDescProperty* data = FindProp(written.Children[1].Properties, "CompressedData");
    ASSERT_TRUE(data) << "written also when empty";
    EXPECT_TRUE(data->Value.Bytes.empty());

    TComponentPtr<TComponent> copy(new TComponent(nullptr));
    TComponentReader::ReadText(copy.get(), TComponentWriter::WriteText(root.get()));
    auto* readList = dynamic_cast<TlxCompressedSkinList*>(copy->FindComponent("SkinList"));
    ASSERT_TRUE(readList);
    ASSERT_EQ(readList->Skins()->Count(), 2);
    TlxSkinListItem* readFirst = readList->Skins()->GetItem(0);
    EXPECT_EQ(readFirst->Name(), "Blue");
    EXPECT_EQ(readFirst->Description(), "a blue skin");
    EXPECT_EQ(readFirst->CompressedFileName(), "blue.skn");
    EXPECT_EQ(StoredBytes(*readFirst->Skin()), blue);
    EXPECT_EQ(readList->Skins()->GetItem(1)->Name(), "lxSkin1");
    EXPECT_TRUE(readList->Skins()->GetItem(1)->Skin()->Empty());
    auto* readStored = dynamic_cast<TlxCompressedStoredSkin*>(copy->FindComponent("Stored"));
    ASSERT_TRUE(readStored);
    EXPECT_TRUE(readStored->Empty());

    // A malformed "Skin" value is a clear error naming its line.
    const std::string bad = "object Root: TComponent\n"
                            "  object L: TlxCompressedSkinList\n"
                            "    Skins = <\n"
                            "      item\n"
                            "        Skin = {0300000005000000}\n"
                            "      end>\n"
                            "  end\n"
                            "end\n";
    TComponentPtr<TComponent> other(new TComponent(nullptr));
    EXPECT_THROW(TComponentReader::ReadText(other.get(), bad), EDescriptionError);
}

TEST(TlxCompressedSkinList, SettingSkinsCopiesTheItemsAndTheirSkins) {
    TComponentPtr<TlxCompressedSkinList> from(new TlxCompressedSkinList(nullptr));
    TComponentPtr<TlxCompressedSkinList> to(new TlxCompressedSkinList(nullptr));
    TlxSkinListItem* item = from->Skins()->Add();
    item->SetName("Green");
    item->SetFileName("green.ini");
    Fill(*item->Skin(), NamedSkinStream("Green"));
    to->Skins()->Add();
    to->Skins()->Add();

    to->SetSkins(from->Skins());
    ASSERT_EQ(to->Skins()->Count(), 1);
    TlxSkinListItem* copy = to->Skins()->GetItem(0);
    EXPECT_EQ(copy->Name(), "Green");
    EXPECT_EQ(copy->FileName(), "green.ini");
    EXPECT_NE(copy->Skin(), item->Skin());
    EXPECT_EQ(StoredBytes(*copy->Skin()), StoredBytes(*item->Skin()));
}
