#pragma once
// The tree view: nodes with text, data and images in a tree, each node
// expanded or collapsed, one node selected. TTreeNodes addresses every node
// by its absolute index (depth first, each parent before its children).
//
// Headless geometry: the visible nodes (those whose parents are all
// expanded) are rows of text height + 4 pixels from the top; each level is
// indented by Indent pixels and the first Indent pixels of a node's row
// hold its expand button.

#include <memory>
#include <vector>

#include "vcl/Canvas.h"
#include "vcl/WinControl.h"

namespace qvn {

class TCustomTreeView;
class TTreeNodes;
class TImageList;

class TTreeNode : public TPersistent {
    QVN_CLASS_INFO()
public:
    explicit TTreeNode(TTreeNodes* owner);
    ~TTreeNode() override;

    TTreeNodes* Owner() const { return owner_; }
    TCustomTreeView* TreeView() const;

    const AnsiString& Text() const { return text_; }
    void SetText(const AnsiString& text);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);

    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    // Raises EListError "List index out of bounds (N)" out of range.
    TTreeNode* Item(int index) const;
    TTreeNode* operator[](int index) const { return Item(index); }
    bool HasChildren() const { return !children_.empty(); }
    // 0 for a top-level node.
    int Level() const;
    // Position among its siblings.
    int Index() const;
    // Position in the whole tree, depth first.
    int AbsoluteIndex() const;
    bool HasAsParent(const TTreeNode* node) const;

    TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next / previous node depth first (nullptr at the end).
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;
    // Shown: every parent is expanded.
    bool IsVisible() const;
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;

    // Only a node with children expands; OnExpanding / OnCollapsing may refuse.
    bool Expanded() const { return expanded_; }
    void SetExpanded(bool on);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool on);

    // Removes the node (and its children) from the tree and frees it.
    void Delete();
    void DeleteChildren();

    // Copies text, data and images (not the children).
    void Assign(const TPersistent& source) override;

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;

    TTreeNodes* owner_;
    TTreeNode* parent_ = nullptr;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    AnsiString text_;
    void* data_ = nullptr;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    bool expanded_ = false;
    bool deleting_ = false;  // its deletion has begun (a deletion handler may ask again)
    mutable int absoluteIndex_ = -1;  // valid while the owner's flat list is
};

class TTreeNodes : public TPersistent {
    QVN_CLASS_INFO()
public:
    explicit TTreeNodes(TCustomTreeView* owner);
    ~TTreeNodes() override;

    TCustomTreeView* Owner() const { return owner_; }
    // Every node of the tree.
    int Count() const;
    // The node at an absolute index; raises EListError out of range.
    TTreeNode* Item(int index) const;
    TTreeNode* operator[](int index) const { return Item(index); }
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }

    // The last / first sibling of sibling (top level when sibling is nullptr).
    TTreeNode* Add(TTreeNode* sibling, const AnsiString& text) { return AddObject(sibling, text, nullptr); }
    TTreeNode* AddObject(TTreeNode* sibling, const AnsiString& text, void* data);
    TTreeNode* AddFirst(TTreeNode* sibling, const AnsiString& text) { return AddObjectFirst(sibling, text, nullptr); }
    TTreeNode* AddObjectFirst(TTreeNode* sibling, const AnsiString& text, void* data);
    // The last / first child of parent (top level when parent is nullptr).
    TTreeNode* AddChild(TTreeNode* parent, const AnsiString& text) { return AddChildObject(parent, text, nullptr); }
    TTreeNode* AddChildObject(TTreeNode* parent, const AnsiString& text, void* data);
    TTreeNode* AddChildFirst(TTreeNode* parent, const AnsiString& text);
    // Just before sibling (at the end of the top level when sibling is nullptr).
    TTreeNode* Insert(TTreeNode* sibling, const AnsiString& text) { return InsertObject(sibling, text, nullptr); }
    TTreeNode* InsertObject(TTreeNode* sibling, const AnsiString& text, void* data);

    // A node of another tree is ignored.
    void Delete(TTreeNode* node);
    void Clear();

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    // Copies the whole tree of another TTreeNodes.
    void Assign(const TPersistent& source) override;

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* InsertAt(TTreeNode* parent, size_t position, const AnsiString& text, void* data);
    std::vector<std::unique_ptr<TTreeNode>>& ChildrenOf(TTreeNode* parent) { return parent ? parent->children_ : roots_; }
    bool Holds(const TTreeNode* node) const { return node != nullptr && node->owner_ == this; }
    const std::vector<TTreeNode*>& Flat() const;
    void Changed();
    void Forget(TTreeNode* node);

    TCustomTreeView* owner_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    mutable std::vector<TTreeNode*> flat_;
    mutable bool flatValid_ = true;
    int updateCount_ = 0;
};

using TTVChangedEvent = Event<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = Event<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = Event<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = Event<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = Event<void(TObject* Sender, TTreeNode* Node)>;

class TCustomTreeView : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return items_.get(); }
    void SetItems(const TTreeNodes& nodes) { items_->Assign(nodes); }
    // Selecting asks OnChanging (which may refuse), then fires OnChange.
    TTreeNode* Selected() const { return selected_; }
    void SetSelected(TTreeNode* node);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on) { hideSelection_ = on; }
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool on) { showLines_ = on; }
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool on) { showRoot_ = on; }
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool on) { showButtons_ = on; }
    int Indent() const { return indent_; }
    void SetIndent(int indent) { indent_ = indent < 0 ? 0 : indent; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    void FullExpand();
    void FullCollapse();
    TTreeNode* GetNodeAt(int x, int y) const;
    int RowHeight() const;
    TCanvas* Canvas() const;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVExpandedEvent OnDeletion;

protected:
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    bool ChangeExpanded(TTreeNode* node, bool expand);
    void NodeDeleting(TTreeNode* node);

    std::unique_ptr<TTreeNodes> items_;
    std::unique_ptr<TCanvas> canvas_;
    TTreeNode* selected_ = nullptr;
    TImageList* images_ = nullptr;
    bool readOnly_ = false;
    bool hideSelection_ = true;
    bool showLines_ = true;
    bool showRoot_ = true;
    bool showButtons_ = true;
    int indent_ = 19;
    bool destroying_ = false;
};

class TTreeView : public TCustomTreeView {
    QVN_CLASS_INFO()
public:
    using TCustomTreeView::TCustomTreeView;
};

}  // namespace qvn
