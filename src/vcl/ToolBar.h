#pragma once
// A tool bar and its buttons. Buttons sit in a row in the order they were
// put on the bar (ButtonWidth x ButtonHeight each; separators and dividers
// keep their own width, 8 by default), from Indent on.
//
// Check buttons (tbsCheck) toggle Down on a click; grouped check buttons
// next to one another form a group in which one at most is down (and
// exactly one unless AllowAllUp). A button with a DropdownMenu pops the menu
// up below itself on a press instead of clicking (a tbsDropDown button only
// when pressed on its arrow, the rightmost 14 pixels). The caption's
// accelerator does what a press does: drops the menu down, or clicks.

#include <vector>

#include "vcl/GraphicControl.h"
#include "vcl/WinControl.h"

namespace qvn {

class TToolBar;
class TPopupMenu;
class TImageList;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolButton : public TGraphicControl {
    QVN_CLASS_INFO()
public:
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;

    TToolBar* ToolBar() const { return toolBar_; }
    void SetToolBar(TToolBar* toolBar);
    void SetParent(TWinControl* parent) override;
    // Position among the bar's buttons (-1 without a bar).
    int Index() const;

    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style);
    bool Down() const { return down_; }
    // Down in a group raises the others of the group.
    void SetDown(bool down);
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool on) { grouped_ = on; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    bool Marked() const { return marked_; }
    void SetMarked(bool on) { marked_ = on; }
    bool Indeterminate() const { return indeterminate_; }
    void SetIndeterminate(bool on) { indeterminate_ = on; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool on) { wrap_ = on; }
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu);

    // Pops the drop-down menu up below the button; false when there is none.
    bool CheckMenuDropdown();
    // Check buttons toggle (see above), then OnClick. Separators do nothing.
    void Click() override;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    void TextChanged() override;
    bool DialogChar(char key) override;

private:
    friend class TToolBar;
    // The grouped check buttons around this one (this one included), in order.
    std::vector<TToolButton*> Group() const;
    bool IsGroupedCheck() const { return grouped_ && style_ == tbsCheck; }

    TToolBar* toolBar_ = nullptr;
    TToolButtonStyle style_ = tbsButton;
    bool down_ = false;
    bool grouped_ = false;
    bool allowAllUp_ = false;
    int imageIndex_ = -1;
    bool marked_ = false;
    bool indeterminate_ = false;
    bool wrap_ = false;
    TPopupMenu* dropdownMenu_ = nullptr;
    bool menuDropped_ = false;  // the press popped the menu up: no click follows
};

class TToolBar : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    // Raises EListError "List index out of bounds (N)" out of range.
    TToolButton* Buttons(int index) const;

    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int w);
    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int h);
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    bool Flat() const { return flat_; }
    void SetFlat(bool on) { flat_ = on; }
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool on) { showCaptions_ = on; }
    bool List() const { return list_; }
    void SetList(bool on) { list_ = on; }
    bool Wrapable() const { return wrapable_; }
    void SetWrapable(bool on) { wrapable_ = on; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images) { SetImageList(images_, images); }
    TImageList* HotImages() const { return hotImages_; }
    void SetHotImages(TImageList* images) { SetImageList(hotImages_, images); }
    TImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TImageList* images) { SetImageList(disabledImages_, images); }

    // Puts the buttons in their places again.
    void ArrangeButtons();

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void BoundsChanged(bool moved, bool resized) override;

private:
    friend class TToolButton;
    void InsertButton(TToolButton* button);
    void RemoveButton(TToolButton* button);
    void SetImageList(TImageList*& slot, TImageList* images);

    std::vector<TToolButton*> buttons_;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    int indent_ = 0;
    bool flat_ = false;
    bool showCaptions_ = false;
    bool list_ = false;
    bool wrapable_ = true;
    bool arranging_ = false;
    TImageList* images_ = nullptr;
    TImageList* hotImages_ = nullptr;
    TImageList* disabledImages_ = nullptr;
};

}  // namespace qvn
