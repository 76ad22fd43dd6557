#include "platform/vcl/TTreeNodes.h"

#include "platform/base/Exception.h"
#include "platform/vcl/TTreeView.h"

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner), FRoot(this, nullptr) {
    FRoot.FExpanded = true;
}

TTreeNodes::~TTreeNodes() = default;

int TTreeNodes::Count() const {
    int count = 0;
    for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext())
        ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int Index) const {
    int i = 0;
    for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext(), ++i)
        if (i == Index) return n;
    throw EListError("Tree node index out of bounds (" + std::to_string(Index) + ")");
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* Parent, int Index, const std::string& S) {
    TTreeNode* parent = Parent ? Parent : &FRoot;
    auto node = std::make_unique<TTreeNode>(this, parent);
    node->FText = S;
    TTreeNode* result = node.get();
    parent->FChildren.insert(parent->FChildren.begin() + Index, std::move(node));
    Changed();
    return result;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const std::string& S) {
    TTreeNode* parent = Sibling ? Sibling->Parent() : nullptr;
    return AddChild(parent, S);
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr) {
    TTreeNode* node = Add(Sibling, S);
    node->SetData(Ptr);
    return node;
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const std::string& S) {
    return AddChildFirst(Sibling ? Sibling->Parent() : nullptr, S);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& S) {
    TTreeNode* parent = Parent ? Parent : &FRoot;
    return InsertAt(Parent, parent->Count(), S);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr) {
    TTreeNode* node = AddChild(Parent, S);
    node->SetData(Ptr);
    return node;
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const std::string& S) {
    return InsertAt(Parent, 0, S);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const std::string& S) {
    if (!Sibling) return Add(nullptr, S);
    return InsertAt(Sibling->Parent(), Sibling->Index(), S);
}

void TTreeNodes::Delete(TTreeNode* Node) {
    if (!Node || Node->FOwner != this || Node == &FRoot) return;
    FOwner->NodeDeleting(Node);
}

void TTreeNodes::Clear() {
    BeginUpdate();
    while (TTreeNode* last = FRoot.GetLastChild())
        Delete(last);
    EndUpdate();
}

void TTreeNodes::BeginUpdate() {
    ++FUpdateCount;
}

void TTreeNodes::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TTreeNodes::Changed() {
    FOwner->FRowsValid = false;
    if (FUpdateCount == 0) FOwner->NodesChanged();
}
