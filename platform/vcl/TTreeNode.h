#pragma once

#include "platform/base/Types.h"

#include <memory>
#include <string>
#include <vector>

class TTreeNodes;
class TCustomTreeView;

// One node of a tree view: its text, images and data, its children in order,
// and its expanded and selected state. Nodes belong to their TTreeNodes.
class TTreeNode {
public:
    TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent);
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    TTreeNodes* Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;
    // nullptr for a top-level node.
    TTreeNode* Parent() const;

    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int Value);
    // Image of the state image list, -1 for none.
    int StateIndex() const { return FStateIndex; }
    void SetStateIndex(int Value);
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }

    // True with children, or when marked as having some not read yet.
    bool HasChildren() const { return !FChildren.empty() || FHasChildren; }
    void SetHasChildren(bool Value);
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    bool Selected() const;
    void SetSelected(bool Value);
    bool Focused() const { return Selected(); }

    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode* Item(int Index) const;
    int Index() const;
    int Level() const;
    int AbsoluteIndex() const;
    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
    TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in depth-first order, collapsed ones included.
    TTreeNode* GetNext() const;
    // The next and previous nodes a user can see (every ancestor expanded).
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    bool IsVisible() const;
    // Client rectangle of the row (or of the label only); empty when not shown.
    TRect DisplayRect(bool TextOnly) const;
    void MakeVisible();
    void Delete();
    void DeleteChildren();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    TTreeNodes* FOwner;
    TTreeNode* FParent; // the hidden root for top-level nodes
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
    std::string FText;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FStateIndex = -1;
    void* FData = nullptr;
    bool FHasChildren = false;
    bool FExpanded = false;
};
