#pragma once

#include "platform/vcl/TTreeView.h"
#include "skin/controls/TlxSkinViewBase.h"
#include "skin/engine/DataSkinListControls.h"

// The platform's tree view on a skinned form: the skin's font and colours
// ("treeview" description), no frame or bars of its own, and its scroll
// state mirrored into the external skinned bars VScrollBar and HScrollBar,
// which scroll it in turn. The rows are drawn by the tree view itself.
class TlxSkinCustomTreeView : public TlxSkinViewBase<TCustomTreeView, TlxDataSkinTreeView> {
public:
    explicit TlxSkinCustomTreeView(TComponent* AOwner);

    void UpDateScrollBars() override;
    // Skipped while the view is being loaded (Loaded runs it afterwards).
    void ChangeSkinData() override;

protected:
    void WndProc(TMessage& Message) override;
    void Change(TTreeNode* Node) override;
    void SkinLookChanged() override;
    void BarChanged(TlxSkinScrollBar* Bar) override;
};
