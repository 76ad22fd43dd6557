#pragma once

#include "platform/vcl/TTreeNode.h"

// The nodes of a tree view. Adding and removing nodes updates the view
// (rows, scroll state, selection) unless held by BeginUpdate.
class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* AOwner);
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    TCustomTreeView* Owner() const { return FOwner; }
    // Every node, collapsed ones included.
    int Count() const;
    // The node at a depth-first position.
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const { return FRoot.GetFirstChild(); }

    // A new last sibling of Sibling (a top-level node when nullptr).
    TTreeNode* Add(TTreeNode* Sibling, const std::string& S);
    TTreeNode* AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr);
    // A new first sibling of Sibling.
    TTreeNode* AddFirst(TTreeNode* Sibling, const std::string& S);
    // A new last (first) child of Parent (a top-level node when nullptr).
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& S);
    TTreeNode* AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const std::string& S);
    // A new node in front of Sibling (the last top-level node when nullptr).
    TTreeNode* Insert(TTreeNode* Sibling, const std::string& S);
    void Delete(TTreeNode* Node);
    void Clear();
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* InsertAt(TTreeNode* Parent, int Index, const std::string& S);
    void Changed();
    TCustomTreeView* FOwner;
    TTreeNode FRoot;
    int FUpdateCount = 0;
};
