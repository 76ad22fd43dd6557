#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TClassRegistry.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TDescriptionReader.h"
#include "platform/vcl/TFormResources.h"

#include "platform/base/Color.h"
#include "platform/base/Strings.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

enum TProbeAlign { palNone, palTop, palClient };
enum TProbeAnchor { pakLeft, pakTop, pakRight };

std::vector<std::string> gLoadedLog;

class TProbeItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    int Width() const { return FWidth; }
    void SetWidth(int V) { FWidth = V; }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& V) { FText = V; }

private:
    int FWidth = 0;
    std::string FText;
};

class TProbeList : public TComponent {
public:
    using TComponent::TComponent;
    int Count() const { return FCount; }
    void SetCount(int V) { FCount = V; }

private:
    int FCount = 0;
};

class TProbePanel : public TComponent {
public:
    explicit TProbePanel(TComponent* AOwner)
        : TComponent(AOwner), FPanels(this, TCollection::FactoryOf<TProbeItem>()) {}

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& V) { FCaption = V; }
    int Width() const { return FWidth; }
    void SetWidth(int V) { FWidth = V; }
    TColor Color() const { return FColor; }
    void SetColor(TColor V) { FColor = V; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool V) { FVisible = V; }
    TProbeAlign Align() const { return FAlign; }
    void SetAlign(TProbeAlign V) { FAlign = V; }
    TSet<TProbeAnchor> Anchors() const { return FAnchors; }
    void SetAnchors(TSet<TProbeAnchor> V) { FAnchors = V; }
    double Ratio() const { return FRatio; }
    void SetRatio(double V) { FRatio = V; }
    TStrings* Items() { return &FItems; }
    TOwnedCollection* Panels() { return &FPanels; }
    const std::vector<uint8_t>& Data() const { return FData; }
    void SetData(const std::vector<uint8_t>& V) { FData = V; }
    TProbeList* Images() const { return FImages; }
    void SetImages(TProbeList* V) {
        if (FImages) FImages->RemoveFreeNotification(this);
        FImages = V;
        if (FImages) FImages->FreeNotification(this);
    }
    TNotifyEvent OnClick;

    void SetParentComponent(TComponent* Value) override { FParent = dynamic_cast<TProbePanel*>(Value); }
    TComponent* GetParentComponent() const override { return FParent; }
    bool HasParent() const override { return true; }

    int LoadedCount = 0;

    void Loaded() override {
        TComponent::Loaded();
        ++LoadedCount;
        gLoadedLog.push_back(Name() + " width=" + std::to_string(FWidth) +
                             " images=" + (FImages ? FImages->Name() : "nil") +
                             " items=" + std::to_string(FPanels.Count()));
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
    }

private:
    TProbePanel* FParent = nullptr;
    std::string FCaption;
    int FWidth = 0;
    TColor FColor = clBtnFace;
    bool FVisible = true;
    TProbeAlign FAlign = palNone;
    TSet<TProbeAnchor> FAnchors{pakLeft, pakTop};
    double FRatio = 0;
    TStringList FItems;
    TOwnedCollection FPanels;
    std::vector<uint8_t> FData;
    TProbeList* FImages = nullptr;
};

class TProbeForm : public TComponent {
public:
    using TComponent::TComponent;
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& V) { FCaption = V; }
    void PanelClick(TObject* Sender) { Clicks.push_back(static_cast<TComponent*>(Sender)->Name()); }
    void Other(TObject*, int&) {}
    std::vector<std::string> Clicks;
    TProbePanel* Outer = nullptr;
    TComponent* Images1 = nullptr;

private:
    std::string FCaption;
};

class TProbeForm2 : public TProbeForm {
public:
    using TProbeForm::TProbeForm;
};

void RegisterProbes() {
    RegisterEnum<TProbeAlign>({{palNone, "palNone"}, {palTop, "palTop"}, {palClient, "palClient"}});
    RegisterEnum<TProbeAnchor>({{pakLeft, "pakLeft"}, {pakTop, "pakTop"}, {pakRight, "pakRight"}});
    RegisterClass<TProbeItem>("TProbeItem", "TCollectionItem")
        .Property("Width", &TProbeItem::Width, &TProbeItem::SetWidth)
        .Property("Text", &TProbeItem::Text, &TProbeItem::SetText);
    RegisterClass<TProbeList>("TProbeList", "TComponent")
        .Property("Count", &TProbeList::Count, &TProbeList::SetCount);
    RegisterClass<TProbePanel>("TProbePanel", "TComponent")
        .Property("Caption", &TProbePanel::Caption, &TProbePanel::SetCaption)
        .Property("Width", &TProbePanel::Width, &TProbePanel::SetWidth)
        .AlwaysStored()
        .Property("Color", &TProbePanel::Color, &TProbePanel::SetColor, clBtnFace)
        .Property("Visible", &TProbePanel::Visible, &TProbePanel::SetVisible, true)
        .Property("Align", &TProbePanel::Align, &TProbePanel::SetAlign)
        .Property("Anchors", &TProbePanel::Anchors, &TProbePanel::SetAnchors,
                  TSet<TProbeAnchor>{pakLeft, pakTop})
        .Property("Ratio", &TProbePanel::Ratio, &TProbePanel::SetRatio)
        .ObjectProperty("Items", &TProbePanel::Items)
        .CollectionProperty("Panels", &TProbePanel::Panels)
        .Property("Data", &TProbePanel::Data, &TProbePanel::SetData)
        .ReferenceProperty("Images", &TProbePanel::Images, &TProbePanel::SetImages)
        .EventProperty("OnClick", &TProbePanel::OnClick);
    RegisterClass<TProbeForm>("TProbeForm", "TComponent")
        .Property("Caption", &TProbeForm::Caption, &TProbeForm::SetCaption)
        .Handler("PanelClick", &TProbeForm::PanelClick)
        .Handler("Other", &TProbeForm::Other)
        .Field("Outer", &TProbeForm::Outer)
        .Field("Images1", &TProbeForm::Images1);
    RegisterClass<TProbeForm2>("TProbeForm2", "TProbeForm");
}

class TComponentReaderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterProbes();
        gLoadedLog.clear();
        Form.reset(new TProbeForm(nullptr));
    }
    TProbePanel* Panel(const char* Name) { return dynamic_cast<TProbePanel*>(Form->FindComponent(Name)); }
    std::string ErrorOf(const std::string& Text) {
        TComponentPtr<TProbeForm> f(new TProbeForm(nullptr));
        try {
            TComponentReader::ReadText(f.get(), Text);
        } catch (const EDescriptionError& e) {
            return e.Message();
        }
        return "no error";
    }
    TComponentPtr<TProbeForm> Form;
};

// Written in the writer's order, so it must come back unchanged.
const char* const PanelsText = R"(object Form1: TProbeForm
  Caption = 'Main'
  object Outer: TProbePanel
    Caption = 'Outer '#9' panel'
    Width = 300
    Color = 255
    Align = palClient
    Anchors = [pakLeft, pakTop, pakRight]
    Ratio = 0.75
    Items.Strings = (
      'first'
      'second')
    Panels = <
      item
        Width = 40
        Text = '状态'
      end
      item
        Width = -1
      end>
    Images = Images1
    OnClick = PanelClick
    object Inner: TProbePanel
      Width = 120
      Visible = False
      Data = {
        89504E470D0A1A0A0000000D4948445200000001000000010806000000FFFFFF
        00}
      object Deepest: TProbePanel
        Width = 0
        Anchors = []
      end
    end
  end
  object Images1: TProbeList
    Count = 3
  end
  object Side: TProbePanel
    Width = 10
    OnClick = PanelClick
  end
end
)";

} // namespace

TEST_F(TComponentReaderFixture, NestedPanelsCollectionAndBinaryDataRoundTrip) {
    TComponentReader::ReadText(Form.get(), PanelsText);
    EXPECT_EQ(Form->Name(), "Form1");
    EXPECT_EQ(Form->ComponentCount(), 5);
    TProbePanel* outer = Panel("Outer");
    TProbePanel* inner = Panel("Inner");
    ASSERT_TRUE(outer && inner);
    EXPECT_EQ(inner->GetParentComponent(), outer);
    EXPECT_EQ(outer->Caption(), "Outer \t panel");
    EXPECT_EQ(outer->Items()->Count(), 2);
    ASSERT_EQ(outer->Panels()->Count(), 2);
    EXPECT_EQ(static_cast<TProbeItem*>(outer->Panels()->Items(0))->Text(), "状态");
    EXPECT_EQ(outer->Images(), Form->FindComponent("Images1"));
    EXPECT_EQ(inner->Data().size(), 33u);
    EXPECT_FALSE(inner->Visible());

    outer->OnClick(outer);
    Panel("Side")->OnClick(Panel("Side"));
    EXPECT_EQ(Form->Clicks, (std::vector<std::string>{"Outer", "Side"}));

    EXPECT_EQ(TComponentWriter::WriteText(Form.get()), PanelsText);
}

TEST_F(TComponentReaderFixture, LoadedRunsOncePerComponentAfterEveryPropertyIsSet) {
    TComponentReader::ReadText(Form.get(), PanelsText);
    // Outer names Images1, which the text only creates later: the reference is
    // already resolved when Outer's Loaded runs.
    EXPECT_EQ(gLoadedLog, (std::vector<std::string>{
                              "Outer width=300 images=Images1 items=2", "Inner width=120 images=nil items=0",
                              "Deepest width=0 images=nil items=0", "Side width=10 images=nil items=0"}));
    for (const char* name : {"Outer", "Inner", "Deepest", "Side"}) {
        EXPECT_EQ(Panel(name)->LoadedCount, 1) << name;
        EXPECT_FALSE(Panel(name)->ComponentState().Contains(csLoading)) << name;
    }
    EXPECT_FALSE(Form->ComponentState().Contains(csLoading));
}

TEST_F(TComponentReaderFixture, FaultsNameTheirLine) {
    struct Case {
        std::string Text;
        std::string Message;
    } cases[] = {
        {"object F: TProbeForm\n  object P: TProbePanel\n    Widht = 3\n  end\nend\n",
         "Line 3: unknown property \"Widht\" of class TProbePanel"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Items.Lines = ('a')\n  end\nend\n",
         "Line 3: unknown property \"Lines\" of class TStrings"},
        {"object F: TProbeForm\n  object P: TNoSuchPanel\n  end\nend\n",
         "Line 2: class TNoSuchPanel not found"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Width = 'wide'\n  end\nend\n",
         "Line 3: an integer expected, found a string"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Width = 99999999999\n  end\nend\n",
         "Line 3: an integer in range expected, found 99999999999"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Align = palLeft\n  end\nend\n",
         "Line 3: a known value name expected, found \"palLeft\""},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Align = 1000000000\n  end\nend\n",
         "Line 3: a known value expected, found 1000000000"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Align = -1\n  end\nend\n",
         "Line 3: a known value expected, found -1"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Anchors = [pakLeft, pakDown]\n  end\nend\n",
         "Line 3: unknown set element \"pakDown\""},
        {"object F: TProbeForm\n  object P: TProbePanel\n    OnClick = Missing\n  end\nend\n",
         "Line 3: handler Missing not found in class TProbeForm"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    OnClick = Other\n  end\nend\n",
         "Line 3: handler Other does not fit event OnClick"},
        {"object F: TProbeForm\n  object P: TProbePanel\n\n    Images = Nowhere\n  end\nend\n",
         "Line 4: component Nowhere not found"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Images = Q\n  end\n  object Q: TProbePanel\n  "
         "end\nend\n",
         "Line 3: Q is a TProbePanel, not fit for Images"},
        {"object F: TProbeForm\n  object P: TProbePanel\n  end\n  object p: TProbePanel\n  end\nend\n",
         "Line 4: A component named p already exists"},
        {"object F: TProbeForm\n  inherited P: TProbePanel\n  end\nend\n",
         "Line 2: inherited component P not found"},
        {"object F: TProbeForm\n  object P: TProbePanel\n    Panels = <\n      item\n        Wide = 1\n      "
         "end>\n"
         "  end\nend\n",
         "Line 5: unknown property \"Wide\" of class TProbeItem"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf(c.Text), c.Message);
}

TEST_F(TComponentReaderFixture, FailedReadLeavesNoComponentLoading) {
    EXPECT_THROW(TComponentReader::ReadText(Form.get(), "object F: TProbeForm\n  object P: TProbePanel\n"
                                                        "    Bad = 1\n  end\nend\n"),
                 EDescriptionError);
    ASSERT_NE(Panel("P"), nullptr);
    EXPECT_FALSE(Panel("P")->ComponentState().Contains(csReading));
    EXPECT_EQ(Panel("P")->LoadedCount, 0);
}

TEST_F(TComponentReaderFixture, EmbeddedDescriptionsApplyAncestorFirst) {
    RegisterFormResource("TProbeForm", "object ProbeForm: TProbeForm\n  Caption = 'base'\n"
                                       "  object P: TProbePanel\n    Width = 5\n  end\nend\n");
    RegisterFormResource("TProbeForm2", "inherited ProbeForm2: TProbeForm2\n  Caption = 'derived'\n"
                                        "  inherited P: TProbePanel\n    Width = 6\n  end\n"
                                        "  object Q: TProbePanel\n  end\nend\n");
    TComponentPtr<TProbeForm2> f(new TProbeForm2(nullptr));
    EXPECT_TRUE(TComponentReader::ReadInherited(f.get()));
    EXPECT_EQ(f->Name(), "ProbeForm");
    EXPECT_EQ(f->Caption(), "derived");
    EXPECT_EQ(f->ComponentCount(), 2);
    EXPECT_EQ(dynamic_cast<TProbePanel*>(f->FindComponent("P"))->Width(), 6);
    // P was read twice, so Loaded ran once per description.
    EXPECT_EQ(dynamic_cast<TProbePanel*>(f->FindComponent("P"))->LoadedCount, 2);

    TComponentPtr<TComponent> bare(new TProbeList(nullptr));
    EXPECT_FALSE(TComponentReader::ReadInherited(bare.get()));
}

TEST_F(TComponentReaderFixture, ReferenceIsClearedWhenTheTargetDies) {
    TComponentReader::ReadText(Form.get(), PanelsText);
    Form->FindComponent("Images1")->Free();
    EXPECT_EQ(Panel("Outer")->Images(), nullptr);
    EXPECT_EQ(TComponentWriter::WriteText(Form.get()).find("Images ="), std::string::npos);
}

TEST_F(TComponentReaderFixture, FormFieldsAreBoundByNameAndClearedWhenTheirComponentGoes) {
    TComponentReader::ReadText(Form.get(), PanelsText);
    EXPECT_EQ(Form->Outer, Panel("Outer"));
    EXPECT_EQ(Form->Images1, Form->FindComponent("Images1"));
    Form->Outer->Free();
    EXPECT_EQ(Form->Outer, nullptr);
    EXPECT_NE(Form->Images1, nullptr);
}
