#include "vcl/Menus.h"

#include <algorithm>

#include "vcl/ImageList.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

std::string StripHotkey(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            if (i + 1 < s.size() && s[i + 1] == '&') out += s[++i];
            continue;
        }
        out += s[i];
    }
    return out;
}

bool SameTextAsciiCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char ca = a[i], cb = b[i];
        if (ca >= 'a' && ca <= 'z') ca = static_cast<char>(ca - 32);
        if (cb >= 'a' && cb <= 'z') cb = static_cast<char>(cb - 32);
        if (ca != cb) return false;
    }
    return true;
}

[[noreturn]] void MenuIndexError() { throw EMenuError("Menu index out of range"); }

TPopupMenu* openPopup = nullptr;

}  // namespace

TShortCut ShortCut(Word key, TShiftState shift)
{
    if ((key & 0xFF00) != 0) return scNone;
    TShortCut result = key;
    if (shift.Contains(ssShift)) result |= scShift;
    if (shift.Contains(ssCtrl)) result |= scCtrl;
    if (shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift)
{
    key = static_cast<Word>(shortCut & 0xFF);
    shift = {};
    if (shortCut & scShift) shift.Include(ssShift);
    if (shortCut & scCtrl) shift.Include(ssCtrl);
    if (shortCut & scAlt) shift.Include(ssAlt);
}

// ---- TMenuItem -----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TMenuItem, TComponent, [](TPropTable& t) {
    AddBoolProp<TMenuItem, &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck>(t, "AutoCheck");
    AddStrProp<TMenuItem, &TMenuItem::Caption, &TMenuItem::SetCaption>(t, "Caption");
    AddBoolProp<TMenuItem, &TMenuItem::Checked, &TMenuItem::SetChecked>(t, "Checked");
    AddBoolProp<TMenuItem, &TMenuItem::Default, &TMenuItem::SetDefault>(t, "Default");
    AddBoolProp<TMenuItem, &TMenuItem::Enabled, &TMenuItem::SetEnabled>(t, "Enabled");
    AddIntProp<TMenuItem, &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex>(t, "GroupIndex", "Byte");
    AddStrProp<TMenuItem, &TMenuItem::Hint, &TMenuItem::SetHint>(t, "Hint");
    AddIntProp<TMenuItem, &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex>(t, "ImageIndex", "TImageIndex");
    AddBoolProp<TMenuItem, &TMenuItem::RadioItem, &TMenuItem::SetRadioItem>(t, "RadioItem");
    AddIntProp<TMenuItem, &TMenuItem::ShortCut, &TMenuItem::SetShortCut>(t, "ShortCut", "TShortCut");
    AddBoolProp<TMenuItem, &TMenuItem::Visible, &TMenuItem::SetVisible>(t, "Visible");
    AddEventProp<TMenuItem, &TMenuItem::OnClick>(t, "OnClick");
})

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem()
{
    if (parent_ != nullptr) parent_->Remove(this);
    std::vector<TMenuItem*> children;
    children.swap(items_);
    for (TMenuItem* child : children) {
        child->parent_ = nullptr;
        if (child->Owner() == nullptr) FreeComponent(child);
    }
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->parent_ != nullptr) item = item->parent_;
    return item->menu_;
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (item == nullptr) return;
    if (item->parent_ != nullptr || item->menu_ != nullptr) throw EMenuError("Menu inserted twice");
    for (const TMenuItem* p = this; p != nullptr; p = p->parent_)
        if (p == item) throw EMenuError("Menu inserted twice");
    if (index < 0 || index > Count()) MenuIndexError();
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    if (item->radioItem_ && item->checked_) item->UncheckGroupSiblings();
}

void TMenuItem::Delete(int index)
{
    if (index < 0 || index >= Count()) MenuIndexError();
    TMenuItem* item = items_[static_cast<size_t>(index)];
    Remove(item);
    if (item->Owner() == nullptr) FreeComponent(item);
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Clear()
{
    while (!items_.empty()) Delete(Count() - 1);
}

TMenuItem* TMenuItem::Find(const AnsiString& caption) const
{
    const std::string wanted = StripHotkey(caption);
    for (TMenuItem* item : items_)
        if (SameTextAsciiCase(StripHotkey(item->caption_), wanted)) return item;
    return nullptr;
}

void TMenuItem::UncheckGroupSiblings()
{
    if (parent_ == nullptr) return;
    for (TMenuItem* sibling : parent_->items_)
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

void TMenuItem::SetChecked(bool on)
{
    checked_ = on;
    if (on && radioItem_) UncheckGroupSiblings();
}

void TMenuItem::SetRadioItem(bool on)
{
    radioItem_ = on;
    if (on && checked_) UncheckGroupSiblings();
}

void TMenuItem::SetGroupIndex(unsigned char index)
{
    groupIndex_ = index;
    if (radioItem_ && checked_) UncheckGroupSiblings();
}

void TMenuItem::Click()
{
    if (!enabled_) return;
    // Choosing a command closes the menu before the command runs (which may free the menu).
    if (items_.empty())
        if (auto* popup = dynamic_cast<TPopupMenu*>(GetParentMenu()); popup != nullptr) popup->CloseMenu();
    if (autoCheck_) SetChecked(radioItem_ ? true : !checked_);
    OnClick(this);
}

// ---- TMenu ---------------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TMenu, TComponent, [](TPropTable& t) {
    AddObjectProp<TMenu, &TMenu::Images, &TMenu::SetImages>(t, "Images", "TCustomImageList");
    AddObjectProp<TMenu, &TMenu::Items>(t, "Items", "TMenuItem");
    AddBoolProp<TMenu, &TMenu::OwnerDraw, &TMenu::SetOwnerDraw>(t, "OwnerDraw");
})

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr))
{
    items_->menu_ = this;
}

TMenu::~TMenu()
{
    items_->menu_ = nullptr;
    FreeComponent(items_);
}

void TMenu::SetImages(TImageList* images)
{
    ReferTo(images_, images);
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    ForgetIfFreed(images_, component, operation);
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut shortCut) const
{
    if (shortCut == scNone) return nullptr;
    struct Finder {
        TShortCut wanted;
        TMenuItem* In(const TMenuItem* parent) const
        {
            for (TMenuItem* item : parent->items_) {
                if (!item->Visible() || !item->Enabled()) continue;
                if (item->ShortCut() == wanted) return item;
                if (TMenuItem* found = In(item)) return found;
            }
            return nullptr;
        }
    };
    return Finder{shortCut}.In(items_);
}

bool TMenu::IsShortCut(Word key, TShiftState shift)
{
    TMenuItem* item = FindItemByShortCut(ShortCut(key, shift));
    if (item == nullptr) return false;
    item->Click();
    return true;
}

QVN_DEFINE_CLASS_INFO(TMainMenu, TMenu)

// ---- TPopupMenu ----------------------------------------------------------

QVN_DEFINE_CLASS_INFO(TPopupMenu, TMenu, [](TPropTable& t) {
    AddEnumProp<TPopupMenu, &TPopupMenu::Alignment, &TPopupMenu::SetAlignment>(t, "Alignment", "TPopupAlignment",
                                                                             {"paLeft", "paRight", "paCenter"});
    AddBoolProp<TPopupMenu, &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup>(t, "AutoPopup");
    AddEventProp<TPopupMenu, &TPopupMenu::OnPopup>(t, "OnPopup");
})

TPopupMenu::~TPopupMenu()
{
    if (openPopup == this) openPopup = nullptr;
}

TPopupMenu* TPopupMenu::OpenMenu() { return openPopup; }

void TPopupMenu::CloseMenu()
{
    open_ = false;
    if (openPopup == this) openPopup = nullptr;
}

void TPopupMenu::SetPopupComponent(TComponent* component)
{
    popupComponent_ = component;
    if (component != nullptr) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y)
{
    if (openPopup != nullptr && openPopup != this) openPopup->CloseMenu();
    openPopup = this;
    open_ = true;
    popupPoint_ = Point(x, y);
    ++popupCount_;
    OnPopup(this);
}

}  // namespace qvn
