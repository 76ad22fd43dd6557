#include "platform/vcl/TTreeNode.h"

#include "platform/base/Exception.h"
#include "platform/vcl/TTreeNodes.h"
#include "platform/vcl/TTreeView.h"

#include <algorithm>

TTreeNode::TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent) : FOwner(AOwner), FParent(AParent) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const {
    return FOwner ? FOwner->Owner() : nullptr;
}

TTreeNode* TTreeNode::Parent() const {
    return FParent && FParent->FParent ? FParent : nullptr;
}

void TTreeNode::SetText(const std::string& Value) {
    if (Value == FText) return;
    FText = Value;
    FOwner->Changed();
}

void TTreeNode::SetImageIndex(int Value) {
    FImageIndex = Value;
    if (TreeView()) TreeView()->Invalidate();
}

void TTreeNode::SetSelectedIndex(int Value) {
    FSelectedIndex = Value;
    if (TreeView()) TreeView()->Invalidate();
}

void TTreeNode::SetStateIndex(int Value) {
    FStateIndex = Value;
    if (TreeView()) TreeView()->Invalidate();
}

void TTreeNode::SetHasChildren(bool Value) {
    if (Value == FHasChildren) return;
    FHasChildren = Value;
    if (TreeView()) TreeView()->Invalidate();
}

void TTreeNode::SetExpanded(bool Value) {
    if (Value)
        Expand(false);
    else
        Collapse(false);
}

void TTreeNode::Expand(bool Recurse) {
    TreeView()->DoExpand(this, true);
    if (Recurse)
        for (int i = 0; i < Count(); ++i)
            Item(i)->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
    if (Recurse)
        for (int i = 0; i < Count(); ++i)
            Item(i)->Collapse(true);
    TreeView()->DoExpand(this, false);
}

bool TTreeNode::Selected() const {
    return TreeView() && TreeView()->Selected() == this;
}

void TTreeNode::SetSelected(bool Value) {
    if (Value)
        TreeView()->SetSelected(this);
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

TTreeNode* TTreeNode::Item(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("Tree node index out of bounds (" + std::to_string(Index) + ")");
    return FChildren[Index].get();
}

int TTreeNode::Index() const {
    if (!FParent) return -1;
    const auto& siblings = FParent->FChildren;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = Parent(); p; p = p->Parent())
        ++level;
    return level;
}

int TTreeNode::AbsoluteIndex() const {
    int index = 0;
    for (TTreeNode* n = FOwner->GetFirstNode(); n; n = n->GetNext(), ++index)
        if (n == this) return index;
    return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const {
    int i = Index();
    if (i < 0 || i + 1 >= FParent->Count()) return nullptr;
    return FParent->FChildren[i + 1].get();
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    int i = Index();
    return i > 0 ? FParent->FChildren[i - 1].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (TTreeNode* child = GetFirstChild()) return child;
    for (const TTreeNode* n = this; n; n = n->Parent())
        if (TTreeNode* sibling = n->GetNextSibling()) return sibling;
    return nullptr;
}

TTreeNode* TTreeNode::GetNextVisible() const {
    if (!IsVisible()) return nullptr;
    if (FExpanded && GetFirstChild()) return GetFirstChild();
    for (const TTreeNode* n = this; n; n = n->Parent())
        if (TTreeNode* sibling = n->GetNextSibling()) return sibling;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const {
    if (!IsVisible()) return nullptr;
    TTreeNode* prev = GetPrevSibling();
    if (!prev) return Parent();
    while (prev->FExpanded && prev->GetLastChild())
        prev = prev->GetLastChild();
    return prev;
}

bool TTreeNode::IsVisible() const {
    for (TTreeNode* p = Parent(); p; p = p->Parent())
        if (!p->FExpanded) return false;
    return true;
}

TRect TTreeNode::DisplayRect(bool TextOnly) const {
    TCustomTreeView* tv = TreeView();
    int row = tv->RowOf(this);
    if (row < 0) return {};
    if (TextOnly) return tv->RowLabelRect(this, row);
    int top = (row - tv->FTopRow) * tv->ItemHeight();
    return {0, top, tv->ClientWidth(), top + tv->ItemHeight()};
}

void TTreeNode::MakeVisible() {
    TreeView()->MakeNodeVisible(this);
}

void TTreeNode::Delete() {
    FOwner->Delete(this);
}

void TTreeNode::DeleteChildren() {
    FOwner->BeginUpdate();
    while (Count() > 0)
        FOwner->Delete(GetLastChild());
    FExpanded = false;
    FOwner->EndUpdate();
}
