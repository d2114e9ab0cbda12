#include "vcl/Splitter.h"

#include <algorithm>

#include "vcl/PropTable.h"
#include "vcl/WinControl.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TSplitter, TGraphicControl, [](TPropTable& t) {
    control_props::Align(t);
    AddBoolProp<TSplitter, &TSplitter::AutoSnap, &TSplitter::SetAutoSnap>(t, "AutoSnap");
    AddBoolProp<TSplitter, &TSplitter::Beveled, &TSplitter::SetBeveled>(t, "Beveled");
    control_props::Color(t);
    AddIntProp<TSplitter, &TSplitter::MinSize, &TSplitter::SetMinSize>(t, "MinSize", "NaturalNumber");
    control_props::ParentColor(t);
    AddEnumProp<TSplitter, &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle>(
        t, "ResizeStyle", "TResizeStyle", {"rsNone", "rsLine", "rsUpdate", "rsPattern"});
    AddEventProp<TSplitter, &TSplitter::OnCanResize>(t, "OnCanResize", "TCanResizeEvent");
    AddEventProp<TSplitter, &TSplitter::OnMoved>(t, "OnMoved");
})

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

TControl* TSplitter::FindNeighbour() const
{
    const TWinControl* parent = Parent();
    if (parent == nullptr) return nullptr;
    TPoint p = Point(Left(), Top());
    switch (Align()) {
    case alLeft: --p.X; break;
    case alRight: p.X += Width(); break;
    case alTop: --p.Y; break;
    case alBottom: p.Y += Height(); break;
    default: return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        TRect r = c->BoundsRect();
        // A control dragged shut still counts at its edge.
        if (r.Width() == 0) (Align() == alLeft ? r.Left : r.Right) += Align() == alLeft ? -1 : 1;
        if (r.Height() == 0) (Align() == alTop ? r.Top : r.Bottom) += Align() == alTop ? -1 : 1;
        if (r.Contains(p)) return c;
    }
    return nullptr;
}

int TSplitter::MaxSize(const TControl* neighbour) const
{
    const TWinControl* parent = Parent();
    int max = (Horizontal() ? parent->ClientWidth() : parent->ClientHeight()) - minSize_;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        const TControl* c = parent->Controls(i);
        if (!c->Visible()) continue;
        const bool sameAxis = Horizontal() ? (c->Align() == alLeft || c->Align() == alRight)
                                           : (c->Align() == alTop || c->Align() == alBottom);
        if (sameAxis) max -= NeighbourSize(c);
    }
    return max + NeighbourSize(neighbour);
}

bool TSplitter::MoveBy(int delta)
{
    TControl* neighbour = FindNeighbour();
    if (neighbour == nullptr || delta == 0) return false;
    const bool grows = Align() == alLeft || Align() == alTop;
    int size = NeighbourSize(neighbour) + (grows ? delta : -delta);
    size = std::min(size, MaxSize(neighbour));
    if (size < minSize_) size = autoSnap_ ? 0 : minSize_;
    bool accept = true;
    const TControlLink alive = Link();
    OnCanResize(this, size, accept);
    if (!alive || !accept || size < 0 || size == NeighbourSize(neighbour)) return false;
    if (Horizontal())
        neighbour->SetWidth(size);
    else
        neighbour->SetHeight(size);
    OnMoved(this);
    return true;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        dragging_ = true;
        dragStart_ = Horizontal() ? x : y;
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSplitter::MouseMove(TShiftState shift, int x, int y)
{
    if (dragging_ && resizeStyle_ == rsUpdate) {
        // The splitter moves with the neighbour, so its coordinates shift by what was applied.
        const int delta = (Horizontal() ? x : y) - dragStart_;
        MoveBy(delta);
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && dragging_) {
        dragging_ = false;
        if (resizeStyle_ != rsUpdate) MoveBy((Horizontal() ? x : y) - dragStart_);
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

}  // namespace qvn
