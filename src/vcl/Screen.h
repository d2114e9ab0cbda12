#pragma once
// TScreen: the process-wide view of the forms (the global `Screen`): which
// form is active and which control has the keyboard focus, every form in
// creation order, the screen cursor and size, and the fonts the system uses
// for icons, hints and menus.

#include <memory>
#include <vector>

#include "vcl/Component.h"
#include "vcl/Cursors.h"
#include "vcl/Font.h"

namespace qvn {

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
    QVN_CLASS_INFO()
public:
    TScreen();
    ~TScreen() override;

    // The form that has the keyboard focus and the control in it that has it
    // (the form itself when no control does); nullptr when no form is active.
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }

    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const;  // raises EListError out of range

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    int Width() const { return 1024; }
    int Height() const { return 768; }
    int PixelsPerInch() const { return 96; }

    TFont* IconFont() const { return iconFont_.get(); }
    TFont* HintFont() const { return hintFont_.get(); }
    TFont* MenuFont() const { return menuFont_.get(); }

    // Bookkeeping of the forms and the focus (called by TCustomForm).
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetFocus(TCustomForm* form, TWinControl* control);
    // The form whose activation (OnActivate) has run; differs from ActiveForm
    // only while the focus is moving between forms.
    TCustomForm* FocusedForm() const { return focusedForm_; }
    void SetFocusedForm(TCustomForm* form) { focusedForm_ = form; }
    // A window is going away: forget it if it has the focus.
    void ControlDestroyed(TWinControl* control);
    // The form lost the focus (hidden or freed): nothing has it now.
    void ClearFocus(TCustomForm* form);
    // Moves form to the front of the activation order.
    void BringToFront(TCustomForm* form);
    // The most recently active visible form other than except, or nullptr.
    TCustomForm* NextActiveCandidate(const TCustomForm* except) const;
    // Counts focus changes, so a focus walk sees that a handler moved the focus.
    int FocusCount() const { return focusCount_; }
    void CountFocusChange() { ++focusCount_; }

private:
    std::vector<TCustomForm*> forms_;   // creation order
    std::vector<TCustomForm*> zOrder_;  // most recently active first
    TCustomForm* activeForm_ = nullptr;
    TCustomForm* focusedForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCursor cursor_ = crDefault;
    std::unique_ptr<TFont> iconFont_;
    std::unique_ptr<TFont> hintFont_;
    std::unique_ptr<TFont> menuFont_;
    int focusCount_ = 0;
};

extern TScreen* const Screen;

}  // namespace qvn
