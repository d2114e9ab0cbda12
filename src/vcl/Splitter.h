#pragma once
// A splitter sits between an aligned control (its neighbour: the visible
// control aligned to the same side that touches it) and the rest of the
// parent; dragging it resizes the neighbour. The new size keeps MinSize
// pixels for the neighbour and for the area the parent has left over; a size
// dragged below MinSize snaps the neighbour shut when AutoSnap is on.
// OnCanResize may change or refuse a size; OnMoved follows a resize.
//
// A drag is a left-button press, mouse moves and the release; with
// ResizeStyle rsUpdate every move resizes, otherwise the release does.
// MoveBy does the same from code.

#include "vcl/GraphicControl.h"

namespace qvn {

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };

using TCanResizeEvent = Event<void(TObject* Sender, int& NewSize, bool& Accept)>;

class TSplitter : public TGraphicControl {
    QVN_CLASS_INFO()
public:
    explicit TSplitter(TComponent* owner);

    int MinSize() const { return minSize_; }
    void SetMinSize(int size) { minSize_ = size < 1 ? 1 : size; }
    bool AutoSnap() const { return autoSnap_; }
    void SetAutoSnap(bool on) { autoSnap_ = on; }
    bool Beveled() const { return beveled_; }
    void SetBeveled(bool on) { beveled_ = on; }
    TResizeStyle ResizeStyle() const { return resizeStyle_; }
    void SetResizeStyle(TResizeStyle style) { resizeStyle_ = style; }

    // The control this splitter resizes (nullptr when none touches it).
    TControl* FindNeighbour() const;
    // Moves the splitter by delta pixels (right / down positive); false when
    // nothing could be resized.
    bool MoveBy(int delta);

    TNotifyEvent OnMoved;
    TCanResizeEvent OnCanResize;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    int NeighbourSize(const TControl* c) const { return Horizontal() ? c->Width() : c->Height(); }
    int MaxSize(const TControl* neighbour) const;

    int minSize_ = 30;
    bool autoSnap_ = true;
    bool beveled_ = false;
    TResizeStyle resizeStyle_ = rsPattern;
    bool dragging_ = false;
    int dragStart_ = 0;
};

}  // namespace qvn
