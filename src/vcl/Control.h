#pragma once
// TControl: the base of everything that has a place on a form. A control
// has a Parent (the windowed control it sits in; non-owning, for layout,
// focus and tab order), bounds, alignment, visibility, enabled state, text,
// hint, font and colour (each optionally following the parent), cursor, and
// the click and mouse events. Messages reach it through Perform/WndProc;
// the message switch of a class is its Dispatch override.
//
// Context menus: a right button release (or a context-menu request,
// WM_CONTEXTMENU) fires OnContextPopup, then pops up the control's
// PopupMenu; a control without one passes the request to its parent, so the
// nearest parent with a menu answers (and becomes its PopupComponent).
//
// Anchors: a control remembers its distances to its parent's edges when it
// is placed (SetBounds, a new parent, new Anchors). When the parent's client
// size changes, an edge anchored right (bottom) keeps its distance to the
// parent's right (bottom) edge: the control moves, or stretches when it is
// anchored left (top) too; anchored neither way, it keeps its centre at the
// same proportion of the parent's width (height). Aligned controls ignore
// their anchors.
//
// Lifetime: the Owner frees a control; freeing detaches it from its parent,
// moves the focus away and drops the messages queued for it.

#include <memory>
#include <string>

#include "platform/Strings.h"
#include "vcl/Component.h"
#include "vcl/ControlPeer.h"
#include "vcl/ControlTypes.h"
#include "vcl/Cursors.h"
#include "vcl/Font.h"
#include "vcl/Geometry.h"

namespace qvn {

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = SetOf<TAnchorKind>;
constexpr TAnchors kDefaultAnchors{akLeft, akTop};

// MousePos is in the control's client coordinates, (-1, -1) when the request
// came from the keyboard. Setting Handled keeps the popup menu down.
using TContextPopupEvent = Event<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

QVN_DECLARE_EXCEPTION(EInvalidOperation, Exception)

// A weak reference to a control: tells whether the control still exists.
// Code that fires events which may free their sender checks it afterwards.
class TControlLink {
public:
    TControlLink() = default;
    bool Alive() const { return alive_ && *alive_; }
    explicit operator bool() const { return Alive(); }

private:
    friend class TControl;
    explicit TControlLink(std::shared_ptr<bool> alive) : alive_(std::move(alive)) {}
    std::shared_ptr<bool> alive_;
};

class TControl : public TComponent {
    QVN_CLASS_INFO()
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TControlLink Link() const { return TControlLink(alive_); }

    // The windowed control this one sits in (nullptr when none). Setting it
    // removes the control from its old parent's list and appends it to the new one's.
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form this control finally sits on (the control itself when it is a form).
    TCustomForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    // Negative sizes count as 0.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The inner area, in the control's own coordinates.
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int w) { SetWidth(width_ + w - ClientWidth()); }
    void SetClientHeight(int h) { SetHeight(height_ + h - ClientHeight()); }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);

    // Where the client area's (0, 0) lies on the screen, and conversions.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to and including its form.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // Caption and Text are one value (8-bit text in the process code page).
    AnsiString Caption() const { return GetTextBuf(); }
    void SetCaption(const AnsiString& s) { SetText(s); }
    AnsiString Text() const { return GetTextBuf(); }
    // Does nothing when the text is unchanged; otherwise stores it and runs TextChanged.
    void SetText(const AnsiString& s);

    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on);

    // The control's own font; with ParentFont it follows the parent's font.
    // Changing the font directly clears ParentFont.
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont& font) { font_->Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    // Not owned: the menu is freed elsewhere, and then this property becomes nullptr.
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);

    TControlStyle ControlStyle() const { return style_; }
    void SetControlStyle(TControlStyle style) { style_ = style; }

    // Sends a message straight to this control's WndProc (no queue, no handle
    // needed); exceptions pass to the caller. Returns the message's Result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);
    // The message switch: a class handles the numbers it knows and passes
    // the rest to its base class's Dispatch; the last stop is DefaultHandler.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // Runs OnClick (controls with actions of their own override it).
    virtual void Click();
    virtual void DblClick();

    // Tells the peer to repaint; nothing happens headless.
    void Invalidate() { NotifyPeer(TPeerChange::Paint); }
    TControlPeer* Peer() const { return peer_.get(); }
    void SetPeer(std::unique_ptr<TControlPeer> peer) { peer_ = std::move(peer); }

    // Freeing starts here: drops focus and layout ties while the object is intact.
    void Destroying() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnResize;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TContextPopupEvent OnContextPopup;

protected:
    // The text storage; controls that keep their text elsewhere (a memo's lines) override both.
    virtual AnsiString GetTextBuf() const { return text_; }
    virtual void SetTextBuf(const AnsiString& s);
    // Hooks run after the change they name (a standard control fires its OnChange from TextChanged).
    virtual void TextChanged() {}
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void ShowHintChanged() {}
    // After SetBounds changed anything: the base runs Resize when the size changed.
    virtual void BoundsChanged(bool moved, bool resized);
    // After the size changed: fires OnResize.
    virtual void Resize();
    // The parent's font or colour changed; a control following it copies it.
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    virtual void ParentShowHintChanged();
    // The form broadcasts which control now has the keyboard focus.
    virtual void FocusChanged(TWinControl* focused) { (void)focused; }

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    // Fires OnContextPopup; see the file comment.
    virtual void DoContextPopup(TPoint mousePos, bool& handled);
    // An accelerator character offered by the form (CM_DIALOGCHAR): true
    // when this control used it. Controls with a caption accelerator override it.
    virtual bool DialogChar(char key);
    void Notification(TComponent* component, TOperation operation) override;

    void NotifyPeer(TPeerChange what)
    {
        if (peer_) peer_->Changed(*this, what);
    }
    // Asks the parent to lay its aligned children out again.
    void RequestAlign();

private:
    friend class TWinControl;
    void HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl);
    void HandleContextMenu(TMessage& m);
    // Remembers the distances the anchors keep (see the file comment).
    void UpdateAnchorRules();
    // Follows the anchors after the parent's client area became parentSize.
    void ApplyAnchors(TPoint parentSize);
    void OwnFontChanged(TObject*);

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = kDefaultAnchors;
    // Per axis: the right (bottom) margin, the width (height) when stretching,
    // or the centre; measured against originalParentSize_.
    TPoint anchorRules_;
    TPoint originalParentSize_;
    bool anchorMoving_ = false;
    TPopupMenu* popupMenu_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    AnsiString text_;
    AnsiString hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool followingParentFont_ = false;  // set while copying the parent's font
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    TControlStyle style_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    bool clicked_ = false;
    std::unique_ptr<TControlPeer> peer_;
};

// The form a control finally sits on, or nullptr.
TCustomForm* GetParentForm(const TControl* control);

// Frees a component the way the class library's Free does: it hears that it
// is being destroyed (forms run OnDestroy) while still intact, then it goes.
void FreeComponent(TComponent* component);

// Published-property adders for what TControl keeps protected in the class
// library and each descendant publishes for itself (a label publishes
// Caption, an edit Text, ...).
namespace control_props {
void Align(TPropTable& t);
void Caption(TPropTable& t);
void Text(TPropTable& t);
void Color(TPropTable& t);
void ParentColor(TPropTable& t);
void Font(TPropTable& t);
void ParentFont(TPropTable& t);
void ParentShowHint(TPropTable& t);
void ClickEvents(TPropTable& t);  // OnClick, OnDblClick
void MouseEvents(TPropTable& t);  // OnMouseDown, OnMouseMove, OnMouseUp
void OnResize(TPropTable& t);
}  // namespace control_props

}  // namespace qvn
