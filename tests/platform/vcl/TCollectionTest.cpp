#include "platform/vcl/TCollection.h"

#include "platform/base/Exception.h"

#include <gtest/gtest.h>

namespace {

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string Text;
    void SetText(const std::string& V) {
        Text = V;
        Changed(false);
    }
    void Assign(const TPersistent* Source) override {
        if (auto* s = dynamic_cast<const TNamedItem*>(Source)) {
            Text = s->Text;
            return;
        }
        TCollectionItem::Assign(Source);
    }
};

class TLogCollection : public TCollection {
public:
    TLogCollection() : TCollection(FactoryOf<TNamedItem>()) {}
    std::vector<std::string> Log;
    TNamedItem* At(int I) const { return static_cast<TNamedItem*>(Items(I)); }
    std::string Texts() const {
        std::string s;
        for (int i = 0; i < Count(); ++i)
            s += At(i)->Text;
        return s;
    }

protected:
    void Update(TCollectionItem* Item) override {
        Log.push_back(Item ? "item " + static_cast<TNamedItem*>(Item)->Text : "all");
    }
};

} // namespace

TEST(TCollection, AddInsertDeleteMoveKeepIndexesAndReportChanges) {
    TLogCollection c;
    static_cast<TNamedItem*>(c.Add())->Text = "a";
    static_cast<TNamedItem*>(c.Add())->Text = "c";
    auto* b = static_cast<TNamedItem*>(c.Insert(1));
    b->Text = "b";
    EXPECT_EQ(c.Texts(), "abc");
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(c.Log, (std::vector<std::string>{"all", "all", "all"}));

    c.Log.clear();
    b->SetText("B");
    EXPECT_EQ(c.Log, std::vector<std::string>{"item B"});

    c.At(0)->SetIndex(5); // clamped to the end
    EXPECT_EQ(c.Texts(), "Bca");
    c.Delete(1);
    EXPECT_EQ(c.Texts(), "Ba");
    delete c.At(0); // an item freed on its own leaves the collection
    EXPECT_EQ(c.Texts(), "a");
    EXPECT_EQ(c.At(0)->Collection(), &c);
    EXPECT_THROW(c.Items(1), EListError);
    EXPECT_THROW(c.Delete(-1), EListError);
}

TEST(TCollection, UpdatesAreHeldUntilTheLastEndUpdate) {
    TLogCollection c;
    c.BeginUpdate();
    c.BeginUpdate();
    c.Add();
    c.Add();
    static_cast<TNamedItem*>(c.Items(0))->SetText("x");
    c.EndUpdate();
    EXPECT_TRUE(c.Log.empty());
    c.EndUpdate();
    EXPECT_EQ(c.Log, std::vector<std::string>{"all"});
    c.Log.clear();
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.Log, std::vector<std::string>{"all"});
}

TEST(TCollection, AssignCopiesItemsAndIdsStayUnique) {
    TLogCollection a, b;
    static_cast<TNamedItem*>(a.Add())->Text = "x";
    static_cast<TNamedItem*>(a.Add())->Text = "y";
    b.Add();
    b.Assign(&a);
    EXPECT_EQ(b.Texts(), "xy");
    EXPECT_NE(b.Items(0)->ID(), b.Items(1)->ID());
    EXPECT_EQ(b.FindItemID(b.Items(1)->ID()), b.Items(1));
    TLogCollection* none = nullptr;
    EXPECT_THROW(b.Assign(none), EConvertError);
}
