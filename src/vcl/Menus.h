#pragma once
// Menus: TMenuItem trees under a main menu or a popup menu.
//
// Lifetime: a menu item is a component; its Owner (usually the form) frees
// it. Its place in a menu (Parent, Items) does not own it: a freed item
// leaves its parent's list, and an item freed with sub-items still in it
// frees those that have no owner and detaches the others.
//
// Radio items: checking a RadioItem unchecks the checked radio items of the
// same GroupIndex among its siblings.
//
// Popup menus without a display: Popup marks the menu open (one popup menu
// is open at a time; a new one closes the old); it stays open until one of
// its command items is clicked or CloseMenu is called.

#include <memory>
#include <vector>

#include "vcl/Control.h"

namespace qvn {

class TMenu;
class TImageList;

QVN_DECLARE_EXCEPTION(EMenuError, Exception)

// A key with its modifiers in one number: the virtual key in the low byte.
using TShortCut = Word;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(Word key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, Word& key, TShiftState& shift);

class TMenuItem : public TComponent {
    QVN_CLASS_INFO()
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption) { caption_ = caption; }
    // A caption of "-" makes a separator line.
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool on);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(unsigned char index);
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool on) { autoCheck_ = on; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    bool Visible() const { return visible_; }
    void SetVisible(bool on) { visible_ = on; }
    bool Default() const { return default_; }
    void SetDefault(bool on) { default_ = on; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& hint) { hint_ = hint; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }

    // The item this one sits under (nullptr for a menu's root or a loose item).
    TMenuItem* Parent() const { return parent_; }
    // The menu the item finally belongs to, or nullptr.
    TMenu* GetParentMenu() const;
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError "List index out of bounds (N)" out of range.
    TMenuItem* Items(int index) const;
    TMenuItem* operator[](int index) const { return Items(index); }
    int IndexOf(const TMenuItem* item) const;
    // Position under the parent (-1 without one).
    int MenuIndex() const { return parent_ != nullptr ? parent_->IndexOf(this) : -1; }

    // An item already in a menu, this item itself or one of its parents is
    // refused with EMenuError ("Menu inserted twice").
    void Add(TMenuItem* item);
    // index 0..Count, else EMenuError "Menu index out of range".
    void Insert(int index, TMenuItem* item);
    // Takes the item out (EMenuError "Menu index out of range" for a bad
    // index); an item without an owner is freed, as nothing else would free it.
    void Delete(int index);
    // Takes the item out without freeing it (nothing when it is not here).
    void Remove(TMenuItem* item);
    void Clear();
    // The sub-item with that caption, '&' markers ignored; nullptr when none.
    TMenuItem* Find(const AnsiString& caption) const;

    // When enabled: an item without sub-items closes its open popup menu,
    // then AutoCheck toggles (radio items check), then OnClick.
    virtual void Click();

    TNotifyEvent OnClick;

private:
    friend class TMenu;
    void UncheckGroupSiblings();

    AnsiString caption_;
    AnsiString hint_;
    bool checked_ = false;
    bool radioItem_ = false;
    unsigned char groupIndex_ = 0;
    bool autoCheck_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    TShortCut shortCut_ = scNone;
    int imageIndex_ = -1;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on a menu's root item
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
    QVN_CLASS_INFO()
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root item whose sub-items are the menu's items.
    TMenuItem* Items() const { return items_; }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on) { ownerDraw_ = on; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    // The visible, enabled item (anywhere below visible, enabled parents) with that shortcut.
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;
    // Clicks the item of the shortcut; true when there was one.
    bool IsShortCut(Word key, TShiftState shift);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem* items_;
    bool ownerDraw_ = false;
    TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
    QVN_CLASS_INFO()
public:
    using TMenu::TMenu;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
    QVN_CLASS_INFO()
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
    ~TPopupMenu() override;

    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool on) { autoPopup_ = on; }
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment a) { alignment_ = a; }
    // The component whose context brought the menu up (set by whoever pops it up).
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component);
    TPoint PopupPoint() const { return popupPoint_; }
    int PopupCount() const { return popupCount_; }

    // Shows the menu at a screen point: it becomes the open popup menu, then
    // fires OnPopup. Headless nothing is drawn; the caller (a test, a
    // backend) then clicks an item or closes the menu.
    virtual void Popup(int x, int y);
    bool IsOpen() const { return open_; }
    void CloseMenu();
    // The popup menu that is open now, or nullptr.
    static TPopupMenu* OpenMenu();

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = paLeft;
    TComponent* popupComponent_ = nullptr;
    TPoint popupPoint_;
    int popupCount_ = 0;
    bool open_ = false;
};

}  // namespace qvn
