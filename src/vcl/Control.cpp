#include "vcl/Control.h"

#include <algorithm>

#include "vcl/Form.h"
#include "vcl/Menus.h"
#include "vcl/PropTable.h"
#include "vcl/WinControl.h"

namespace qvn {
namespace {

// WM_CONTEXTMENU carries (-1, -1) when the request came from the keyboard.
bool FromKeyboard(LPARAM pos) { return PointParamX(pos) == -1 && PointParamY(pos) == -1; }

}  // namespace

QVN_DEFINE_CLASS_INFO(TControl, TComponent, [](TPropTable& t) {
    AddSetProp<TControl, &TControl::Anchors, &TControl::SetAnchors>(t, "Anchors", "TAnchors",
                                                                   {"akLeft", "akTop", "akRight", "akBottom"});
    AddObjectProp<TControl, &TControl::PopupMenu, &TControl::SetPopupMenu>(t, "PopupMenu", "TPopupMenu");
    AddEventProp<TControl, &TControl::OnContextPopup>(t, "OnContextPopup", "TContextPopupEvent");
    AddIntProp<TControl, &TControl::Left, &TControl::SetLeft>(t, "Left");
    AddIntProp<TControl, &TControl::Top, &TControl::SetTop>(t, "Top");
    AddIntProp<TControl, &TControl::Width, &TControl::SetWidth>(t, "Width");
    AddIntProp<TControl, &TControl::Height, &TControl::SetHeight>(t, "Height");
    AddIntProp<TControl, &TControl::Cursor, &TControl::SetCursor>(t, "Cursor", "TCursor");
    AddStrProp<TControl, &TControl::Hint, &TControl::SetHint>(t, "Hint");
    AddBoolProp<TControl, &TControl::ShowHint, &TControl::SetShowHint>(t, "ShowHint");
    AddBoolProp<TControl, &TControl::Visible, &TControl::SetVisible>(t, "Visible");
    AddBoolProp<TControl, &TControl::Enabled, &TControl::SetEnabled>(t, "Enabled");
})

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>())
{
    font_->OnChange = TNotifyEvent::Of<&TControl::OwnFontChanged>(this);
}

TControl::~TControl()
{
    *alive_ = false;
    if (parent_ != nullptr) parent_->RemoveControl(this);
    font_->OnChange = nullptr;
}

void TControl::Destroying()
{
    TComponent::Destroying();
}

TCustomForm* TControl::ParentForm() const { return GetParentForm(this); }

TCustomForm* GetParentForm(const TControl* control)
{
    if (control == nullptr) return nullptr;
    const TControl* top = control;
    while (top->Parent() != nullptr) top = top->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

void FreeComponent(TComponent* component)
{
    if (component == nullptr) return;
    component->Destroying();
    delete component;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_) return;
    if (parent != nullptr) {
        for (const TControl* p = parent; p != nullptr; p = p->parent_)
            if (p == this) throw EInvalidOperation("A control cannot have itself as its parent");
        if (dynamic_cast<TCustomForm*>(this) != nullptr)
            throw EInvalidOperation("A form cannot be placed inside another control");
    }
    if (parent_ != nullptr) parent_->RemoveControl(this);
    if (parent != nullptr) parent->InsertControl(this);
    NotifyPeer(TPeerChange::Parent);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    const bool moved = left != left_ || top != top_;
    const bool resized = width != width_ || height != height_;
    if (!moved && !resized) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    NotifyPeer(TPeerChange::Bounds);
    if (!anchorMoving_) UpdateAnchorRules();
    if (align_ != alNone) RequestAlign();
    BoundsChanged(moved, resized);
}

void TControl::SetAnchors(TAnchors anchors)
{
    anchors = anchors * TAnchors{akLeft, akTop, akRight, akBottom};
    if (anchors == anchors_) return;
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    if (parent_ == nullptr) return;
    originalParentSize_ = Point(parent_->ClientWidth(), parent_->ClientHeight());
    auto rule = [](bool low, bool high, int pos, int size) {
        if (high) return low ? size : pos;
        return pos + size / 2;
    };
    anchorRules_.X = rule(anchors_.Contains(akLeft), anchors_.Contains(akRight), left_, width_);
    anchorRules_.Y = rule(anchors_.Contains(akTop), anchors_.Contains(akBottom), top_, height_);
}

void TControl::ApplyAnchors(TPoint parentSize)
{
    if (align_ != alNone || anchors_ == kDefaultAnchors) return;
    struct Axis {
        int pos, size;
    };
    // One axis: low/high are the left and right (top and bottom) anchors.
    auto follow = [](bool low, bool high, Axis a, int rule, int original, int now) {
        if (high) {
            if (low) a.size = now - (original - rule);
            else a.pos = rule + (now - original);
        } else if (!low && original > 0) {
            a.pos = static_cast<int>(static_cast<long long>(rule) * now / original) - a.size / 2;
        }
        return a;
    };
    const Axis x = follow(anchors_.Contains(akLeft), anchors_.Contains(akRight), {left_, width_}, anchorRules_.X,
                          originalParentSize_.X, parentSize.X);
    const Axis y = follow(anchors_.Contains(akTop), anchors_.Contains(akBottom), {top_, height_}, anchorRules_.Y,
                          originalParentSize_.Y, parentSize.Y);
    anchorMoving_ = true;
    try {
        SetBounds(x.pos, y.pos, x.size, y.size);
    } catch (...) {
        anchorMoving_ = false;
        throw;
    }
    anchorMoving_ = false;
}

TPoint TControl::ClientOrigin() const
{
    if (parent_ == nullptr) return Point(left_, top_);
    const TPoint p = parent_->ClientOrigin();
    return Point(p.X + left_, p.Y + top_);
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const TPoint o = ClientOrigin();
    return Point(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const TPoint o = ClientOrigin();
    return Point(p.X - o.X, p.Y - o.Y);
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    ReferTo(popupMenu_, menu);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    ForgetIfFreed(popupMenu_, component, operation);
}

void TControl::BoundsChanged(bool moved, bool resized)
{
    (void)moved;
    if (resized) Resize();
}

void TControl::Resize() { OnResize(this); }

void TControl::SetAlign(TAlign align)
{
    if (align == align_) return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign()
{
    if (parent_ != nullptr) parent_->AlignChildren(this);
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
    NotifyPeer(TPeerChange::Visible);
    if (align_ != alNone) RequestAlign();
}

bool TControl::Showing() const
{
    if (!visible_) return false;
    if (parent_ != nullptr) return parent_->Showing();
    return dynamic_cast<const TCustomForm*>(this) != nullptr;
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
    NotifyPeer(TPeerChange::Enabled);
}

void TControl::SetText(const AnsiString& s)
{
    if (GetTextBuf() == s) return;
    SetTextBuf(s);
}

void TControl::SetTextBuf(const AnsiString& s)
{
    text_ = s;
    NotifyPeer(TPeerChange::Text);
    TextChanged();
}

void TControl::SetShowHint(bool on)
{
    parentShowHint_ = false;
    if (on == showHint_) return;
    showHint_ = on;
    ShowHintChanged();
}

void TControl::SetParentShowHint(bool on)
{
    if (on == parentShowHint_) return;
    parentShowHint_ = on;
    if (on) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged()
{
    if (!parentShowHint_ || parent_ == nullptr || parent_->ShowHint() == showHint_) return;
    showHint_ = parent_->ShowHint();
    ShowHintChanged();
}

void TControl::OwnFontChanged(TObject*)
{
    if (!followingParentFont_) parentFont_ = false;
    FontChanged();
}

void TControl::FontChanged() { NotifyPeer(TPeerChange::Font); }

void TControl::SetParentFont(bool on)
{
    if (on == parentFont_) return;
    parentFont_ = on;
    if (on) ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!parentFont_ || parent_ == nullptr) return;
    followingParentFont_ = true;
    try {
        font_->Assign(*parent_->Font());
    } catch (...) {
        followingParentFont_ = false;
        throw;
    }
    followingParentFont_ = false;
}

void TControl::SetColor(TColor color)
{
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void TControl::ColorChanged() { NotifyPeer(TPeerChange::Color); }

void TControl::SetParentColor(bool on)
{
    if (on == parentColor_) return;
    parentColor_ = on;
    if (on) ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!parentColor_ || parent_ == nullptr || parent_->Color() == color_) return;
    color_ = parent_->Color();
    ColorChanged();
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == cursor_) return;
    cursor_ = cursor;
    NotifyPeer(TPeerChange::Cursor);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& message) { Dispatch(message); }

void TControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN: HandleMouseButton(m, mbLeft, true, false); return;
    case WM_LBUTTONUP: HandleMouseButton(m, mbLeft, false, false); return;
    case WM_LBUTTONDBLCLK: HandleMouseButton(m, mbLeft, true, true); return;
    case WM_RBUTTONDOWN: HandleMouseButton(m, mbRight, true, false); return;
    case WM_RBUTTONUP: HandleMouseButton(m, mbRight, false, false); return;
    case WM_MBUTTONDOWN: HandleMouseButton(m, mbMiddle, true, false); return;
    case WM_MBUTTONUP: HandleMouseButton(m, mbMiddle, false, false); return;
    case WM_MOUSEMOVE: MouseMove(MouseKeysToShiftState(m.WParam), PointParamX(m.LParam), PointParamY(m.LParam)); return;
    case WM_CONTEXTMENU: HandleContextMenu(m); return;
    case CM_DIALOGCHAR: m.Result = DialogChar(static_cast<char>(static_cast<unsigned char>(m.WParam))) ? 1 : 0; return;
    default: DefaultHandler(m);
    }
}

void TControl::DefaultHandler(TMessage& message) { (void)message; }

void TControl::HandleMouseButton(TMessage& m, TMouseButton button, bool down, bool dbl)
{
    TShiftState shift = MouseKeysToShiftState(m.WParam);
    const int x = PointParamX(m.LParam);
    const int y = PointParamY(m.LParam);
    const TControlLink self = Link();
    if (down) {
        if (dbl) {
            if (style_.Contains(csClickEvents)) DblClick();
            if (!self) return;
            shift.Include(ssDouble);
        } else if (button == mbLeft && style_.Contains(csClickEvents)) {
            clicked_ = true;
        }
        MouseDown(button, shift, x, y);
        return;
    }
    if (button == mbRight) {
        MouseUp(button, shift, x, y);
        if (!self) return;
        // As the platform does after a right button release nobody kept.
        const TPoint at = ClientToScreen(Point(x, y));
        Perform(WM_CONTEXTMENU, 0, MakePointParam(at.X, at.Y));
        return;
    }
    // A button-up only clicks when the press started on this control and
    // ends inside it (a stray button-up, say to end a mouse capture, does not).
    if (button == mbLeft && clicked_) {
        clicked_ = false;
        if (ClientRect().Contains(Point(x, y))) Click();
        if (!self) return;
    }
    MouseUp(button, shift, x, y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void TControl::HandleContextMenu(TMessage& m)
{
    if (m.Result != 0) return;
    const bool fromKeyboard = FromKeyboard(m.LParam);
    TPoint at = Point(PointParamX(m.LParam), PointParamY(m.LParam));
    bool handled = false;
    const TControlLink self = Link();
    DoContextPopup(fromKeyboard ? Point(-1, -1) : ScreenToClient(at), handled);
    if (!self) return;
    if (handled) {
        m.Result = 1;
        return;
    }
    if (popupMenu_ != nullptr && popupMenu_->AutoPopup()) {
        if (fromKeyboard) at = ClientToScreen(Point(0, 0));
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(at.X, at.Y);
        m.Result = 1;
        return;
    }
    if (parent_ != nullptr) m.Result = parent_->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) { OnContextPopup(this, mousePos, handled); }

bool TControl::DialogChar(char key)
{
    (void)key;
    return false;
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }

namespace control_props {
void Align(TPropTable& t)
{
    AddEnumProp<TControl, &TControl::Align, &TControl::SetAlign>(
        t, "Align", "TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
}
void Caption(TPropTable& t) { AddStrProp<TControl, &TControl::Caption, &TControl::SetCaption>(t, "Caption", "TCaption"); }
void Text(TPropTable& t) { AddStrProp<TControl, &TControl::Text, &TControl::SetText>(t, "Text", "TCaption"); }
void Color(TPropTable& t) { AddIntProp<TControl, &TControl::Color, &TControl::SetColor>(t, "Color", "TColor"); }
void ParentColor(TPropTable& t) { AddBoolProp<TControl, &TControl::ParentColor, &TControl::SetParentColor>(t, "ParentColor"); }
void Font(TPropTable& t) { AddObjectProp<TControl, &TControl::Font, &TControl::SetFont>(t, "Font", "TFont"); }
void ParentFont(TPropTable& t) { AddBoolProp<TControl, &TControl::ParentFont, &TControl::SetParentFont>(t, "ParentFont"); }
void ParentShowHint(TPropTable& t)
{
    AddBoolProp<TControl, &TControl::ParentShowHint, &TControl::SetParentShowHint>(t, "ParentShowHint");
}
void ClickEvents(TPropTable& t)
{
    AddEventProp<TControl, &TControl::OnClick>(t, "OnClick");
    AddEventProp<TControl, &TControl::OnDblClick>(t, "OnDblClick");
}
void MouseEvents(TPropTable& t)
{
    AddEventProp<TControl, &TControl::OnMouseDown>(t, "OnMouseDown", "TMouseEvent");
    AddEventProp<TControl, &TControl::OnMouseMove>(t, "OnMouseMove", "TMouseMoveEvent");
    AddEventProp<TControl, &TControl::OnMouseUp>(t, "OnMouseUp", "TMouseEvent");
}
void OnResize(TPropTable& t) { AddEventProp<TControl, &TControl::OnResize>(t, "OnResize"); }
}  // namespace control_props

}  // namespace qvn
