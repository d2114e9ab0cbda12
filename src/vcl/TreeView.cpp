#include "vcl/TreeView.h"

#include <algorithm>

#include "vcl/ImageList.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

[[noreturn]] void ListIndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

// ---- TTreeNode -----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TTreeNode, TPersistent, [](TPropTable& t) {
    AddIntProp<TTreeNode, &TTreeNode::ImageIndex, &TTreeNode::SetImageIndex>(t, "ImageIndex", "TImageIndex");
    AddIntProp<TTreeNode, &TTreeNode::SelectedIndex, &TTreeNode::SetSelectedIndex>(t, "SelectedIndex", "Integer");
    AddStrProp<TTreeNode, &TTreeNode::Text, &TTreeNode::SetText>(t, "Text");
})

TTreeNode::TTreeNode(TTreeNodes* owner) : owner_(owner) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return owner_ != nullptr ? owner_->Owner() : nullptr; }

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const { return owner_->ChildrenOf(parent_); }

void TTreeNode::SetText(const AnsiString& text)
{
    if (text == text_) return;
    text_ = text;
    if (TCustomTreeView* tv = TreeView()) tv->Invalidate();
}

void TTreeNode::SetImageIndex(int index)
{
    imageIndex_ = index;
    if (TCustomTreeView* tv = TreeView()) tv->Invalidate();
}

void TTreeNode::SetSelectedIndex(int index) { selectedIndex_ = index; }

TTreeNode* TTreeNode::Item(int index) const
{
    if (index < 0 || index >= Count()) ListIndexError(index);
    return children_[static_cast<size_t>(index)].get();
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_) ++level;
    return level;
}

int TTreeNode::Index() const
{
    const auto& siblings = Siblings();
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

int TTreeNode::AbsoluteIndex() const
{
    owner_->Flat();
    return absoluteIndex_;
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const
{
    if (node == nullptr) return false;
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_)
        if (p == node) return true;
    return false;
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const auto& siblings = Siblings();
    const int i = Index();
    return i + 1 < static_cast<int>(siblings.size()) ? siblings[static_cast<size_t>(i + 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    const int i = Index();
    return i > 0 ? Siblings()[static_cast<size_t>(i - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n != nullptr; n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const
{
    TTreeNode* prev = GetPrevSibling();
    if (prev == nullptr) return parent_;
    while (!prev->children_.empty()) prev = prev->children_.back().get();
    return prev;
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode* p = parent_; p != nullptr; p = p->parent_)
        if (!p->expanded_) return false;
    return true;
}

TTreeNode* TTreeNode::GetNextVisible() const
{
    if (expanded_ && !children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n != nullptr; n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const
{
    TTreeNode* prev = GetPrevSibling();
    if (prev == nullptr) return parent_;
    while (prev->expanded_ && !prev->children_.empty()) prev = prev->children_.back().get();
    return prev;
}

void TTreeNode::SetExpanded(bool on)
{
    if (TCustomTreeView* tv = TreeView())
        tv->ChangeExpanded(this, on);
    else
        expanded_ = on && HasChildren();
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (size_t i = 0; i < children_.size(); ++i) children_[i]->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (size_t i = 0; i < children_.size(); ++i) children_[i]->Collapse(true);
}

bool TTreeNode::Selected() const
{
    const TCustomTreeView* tv = TreeView();
    return tv != nullptr && tv->Selected() == this;
}

void TTreeNode::SetSelected(bool on)
{
    TCustomTreeView* tv = TreeView();
    if (tv == nullptr) return;
    if (on)
        tv->SetSelected(this);
    else if (tv->Selected() == this)
        tv->SetSelected(nullptr);
}

void TTreeNode::Delete() { owner_->Delete(this); }

void TTreeNode::DeleteChildren()
{
    while (!children_.empty()) owner_->Delete(children_.back().get());
}

void TTreeNode::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTreeNode*>(&source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    SetText(other->text_);
    data_ = other->data_;
    imageIndex_ = other->imageIndex_;
    selectedIndex_ = other->selectedIndex_;
}

// ---- TTreeNodes ----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TTreeNodes, TPersistent)

TTreeNodes::TTreeNodes(TCustomTreeView* owner) : owner_(owner) {}

TTreeNodes::~TTreeNodes() = default;

const std::vector<TTreeNode*>& TTreeNodes::Flat() const
{
    if (flatValid_) return flat_;
    flat_.clear();
    for (TTreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNext()) {
        n->absoluteIndex_ = static_cast<int>(flat_.size());
        flat_.push_back(n);
    }
    flatValid_ = true;
    return flat_;
}

int TTreeNodes::Count() const { return static_cast<int>(Flat().size()); }

TTreeNode* TTreeNodes::Item(int index) const
{
    const auto& flat = Flat();
    if (index < 0 || index >= static_cast<int>(flat.size())) ListIndexError(index);
    return flat[static_cast<size_t>(index)];
}

void TTreeNodes::Changed()
{
    flatValid_ = false;
    if (updateCount_ == 0 && owner_ != nullptr) owner_->Invalidate();
}

void TTreeNodes::EndUpdate()
{
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) Changed();
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, size_t position, const AnsiString& text, void* data)
{
    auto node = std::make_unique<TTreeNode>(this);
    TTreeNode* raw = node.get();
    raw->parent_ = parent;
    raw->text_ = text;
    raw->data_ = data;
    auto& list = ChildrenOf(parent);
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(position, list.size())), std::move(node));
    Changed();
    return raw;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const AnsiString& text, void* data)
{
    TTreeNode* parent = Holds(sibling) ? sibling->parent_ : nullptr;
    return InsertAt(parent, ChildrenOf(parent).size(), text, data);
}

TTreeNode* TTreeNodes::AddObjectFirst(TTreeNode* sibling, const AnsiString& text, void* data)
{
    return InsertAt(Holds(sibling) ? sibling->parent_ : nullptr, 0, text, data);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const AnsiString& text, void* data)
{
    if (!Holds(parent)) parent = nullptr;
    return InsertAt(parent, ChildrenOf(parent).size(), text, data);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const AnsiString& text)
{
    return InsertAt(Holds(parent) ? parent : nullptr, 0, text, nullptr);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* sibling, const AnsiString& text, void* data)
{
    if (!Holds(sibling)) return InsertAt(nullptr, roots_.size(), text, data);
    return InsertAt(sibling->parent_, static_cast<size_t>(sibling->Index()), text, data);
}

void TTreeNodes::Forget(TTreeNode* node)
{
    if (node->deleting_) return;
    node->deleting_ = true;
    // A deletion handler may delete other nodes; the bound check keeps the walk inside the list.
    for (size_t i = node->children_.size(); i-- > 0;)
        if (i < node->children_.size()) Forget(node->children_[i].get());
    if (owner_ != nullptr) owner_->NodeDeleting(node);
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!Holds(node) || node->deleting_) return;
    Forget(node);
    auto& list = ChildrenOf(node->parent_);
    auto it = std::find_if(list.begin(), list.end(), [&](const std::unique_ptr<TTreeNode>& n) { return n.get() == node; });
    if (it == list.end()) return;
    std::unique_ptr<TTreeNode> gone = std::move(*it);
    list.erase(it);
    if (TTreeNode* parent = gone->parent_; parent != nullptr && parent->children_.empty()) parent->expanded_ = false;
    Changed();
}

void TTreeNodes::Clear()
{
    BeginUpdate();
    while (!roots_.empty()) Delete(roots_.back().get());
    EndUpdate();
}

void TTreeNodes::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTreeNodes*>(&source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    Clear();
    struct Copier {
        TTreeNodes* self;
        void Copy(const TTreeNode* from, TTreeNode* parent)
        {
            TTreeNode* to = self->InsertAt(parent, self->ChildrenOf(parent).size(), from->text_, from->data_);
            to->Assign(*from);
            for (const auto& child : from->children_) Copy(child.get(), to);
        }
    } copier{this};
    for (const auto& root : other->roots_) copier.Copy(root.get(), nullptr);
    EndUpdate();
}

// ---- TCustomTreeView -----------------------------------------------------

QVN_DEFINE_CLASS_INFO(TCustomTreeView, TWinControl)

QVN_DEFINE_CLASS_INFO(TTreeView, TCustomTreeView, [](TPropTable& t) {
    control_props::Align(t);
    control_props::Color(t);
    control_props::Font(t);
    AddBoolProp<TCustomTreeView, &TCustomTreeView::HideSelection, &TCustomTreeView::SetHideSelection>(t, "HideSelection");
    AddObjectProp<TCustomTreeView, &TCustomTreeView::Images, &TCustomTreeView::SetImages>(t, "Images", "TCustomImageList");
    AddIntProp<TCustomTreeView, &TCustomTreeView::Indent, &TCustomTreeView::SetIndent>(t, "Indent");
    AddObjectProp<TCustomTreeView, &TCustomTreeView::Items, &TCustomTreeView::SetItems>(t, "Items", "TTreeNodes");
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddBoolProp<TCustomTreeView, &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly>(t, "ReadOnly");
    AddBoolProp<TCustomTreeView, &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons>(t, "ShowButtons");
    AddBoolProp<TCustomTreeView, &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines>(t, "ShowLines");
    AddBoolProp<TCustomTreeView, &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot>(t, "ShowRoot");
    AddEventProp<TCustomTreeView, &TCustomTreeView::OnChange>(t, "OnChange", "TTVChangedEvent");
    AddEventProp<TCustomTreeView, &TCustomTreeView::OnChanging>(t, "OnChanging", "TTVChangingEvent");
    control_props::ClickEvents(t);
    AddEventProp<TCustomTreeView, &TCustomTreeView::OnCollapsed>(t, "OnCollapsed", "TTVExpandedEvent");
    AddEventProp<TCustomTreeView, &TCustomTreeView::OnCollapsing>(t, "OnCollapsing", "TTVCollapsingEvent");
    AddEventProp<TCustomTreeView, &TCustomTreeView::OnDeletion>(t, "OnDeletion", "TTVExpandedEvent");
    AddEventProp<TCustomTreeView, &TCustomTreeView::OnExpanded>(t, "OnExpanded", "TTVExpandedEvent");
    AddEventProp<TCustomTreeView, &TCustomTreeView::OnExpanding>(t, "OnExpanding", "TTVExpandingEvent");
    control_props::MouseEvents(t);
})

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TTreeNodes>(this)), canvas_(std::make_unique<TCanvas>())
{
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView()
{
    destroying_ = true;
    selected_ = nullptr;
    items_->roots_.clear();
}

TCanvas* TCustomTreeView::Canvas() const
{
    canvas_->Font()->Assign(*Font());
    return canvas_.get();
}

void TCustomTreeView::SetImages(TImageList* images)
{
    if (ReferTo(images_, images)) Invalidate();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    ForgetIfFreed(images_, component, operation);
}

void TCustomTreeView::SetSelected(TTreeNode* node)
{
    if (node != nullptr && !items_->Holds(node)) return;
    if (node == selected_) return;
    bool allow = true;
    OnChanging(this, node, allow);
    if (!allow) return;
    const TControlLink alive = Link();
    // A selected node is shown: its parents open.
    for (TTreeNode* p = node != nullptr ? node->parent_ : nullptr; p != nullptr; p = p->parent_) ChangeExpanded(p, true);
    if (!alive || (node != nullptr && !items_->Holds(node))) return;
    selected_ = node;
    Invalidate();
    OnChange(this, node);
}

bool TCustomTreeView::ChangeExpanded(TTreeNode* node, bool expand)
{
    if (node->expanded_ == expand) return true;
    if (expand && !node->HasChildren()) return false;
    bool allow = true;
    if (expand)
        OnExpanding(this, node, allow);
    else
        OnCollapsing(this, node, allow);
    if (!allow) return false;
    node->expanded_ = expand;
    // The selection never hides inside a collapsed branch.
    if (!expand && selected_ != nullptr && selected_->HasAsParent(node)) SetSelected(node);
    Invalidate();
    if (expand)
        OnExpanded(this, node);
    else
        OnCollapsed(this, node);
    return true;
}

void TCustomTreeView::NodeDeleting(TTreeNode* node)
{
    if (destroying_) return;
    if (selected_ == node) selected_ = nullptr;
    OnDeletion(this, node);
}

void TCustomTreeView::FullExpand()
{
    for (TTreeNode* n = items_->GetFirstNode(); n != nullptr; n = n->GetNextSibling()) n->Expand(true);
}

void TCustomTreeView::FullCollapse()
{
    for (TTreeNode* n = items_->GetFirstNode(); n != nullptr; n = n->GetNextSibling()) n->Collapse(true);
}

int TCustomTreeView::RowHeight() const { return Canvas()->TextHeight("Wg") + 4; }

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) const
{
    if (x < 0 || y < 0) return nullptr;
    int row = y / RowHeight();
    TTreeNode* n = items_->GetFirstNode();
    while (n != nullptr && row-- > 0) n = n->GetNextVisible();
    return n;
}

void TCustomTreeView::KeyDown(Word& key, TShiftState shift)
{
    const TControlLink alive = Link();
    TWinControl::KeyDown(key, shift);
    if (!alive || key == 0) return;
    TTreeNode* first = items_->GetFirstNode();
    if (first == nullptr) return;
    TTreeNode* current = selected_;
    TTreeNode* target = nullptr;
    switch (key) {
    case VK_UP: target = current != nullptr ? current->GetPrevVisible() : first; break;
    case VK_DOWN: target = current != nullptr ? current->GetNextVisible() : first; break;
    case VK_HOME: target = first; break;
    case VK_END:
        target = first;
        while (TTreeNode* next = target->GetNextVisible()) target = next;
        break;
    case VK_LEFT:
        if (current == nullptr) break;
        if (current->expanded_)
            ChangeExpanded(current, false);
        else
            target = current->parent_;
        break;
    case VK_RIGHT:
        if (current == nullptr || !current->HasChildren()) break;
        if (!current->expanded_)
            ChangeExpanded(current, true);
        else
            target = current->GetFirstChild();
        break;
    default: return;
    }
    if (target != nullptr && alive) SetSelected(target);
}

void TCustomTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        if (TTreeNode* node = GetNodeAt(x, y); node != nullptr) {
            const int buttonLeft = node->Level() * indent_;
            if (node->HasChildren() && x >= buttonLeft && x < buttonLeft + indent_)
                ChangeExpanded(node, !node->expanded_);
            else
                SetSelected(node);
        }
    }
    TWinControl::MouseDown(button, shift, x, y);
}

}  // namespace qvn
