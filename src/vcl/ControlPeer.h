#pragma once
// The seam between the headless model and a rendering backend: a backend
// attaches one peer per control and hears of every visible change; the model
// stays the one source of truth and never asks the peer anything. Headless
// runs attach no peer.

namespace qvn {

class TControl;

enum class TPeerChange { Bounds, Visible, Enabled, Text, Font, Color, Cursor, Paint, Focus, Parent };

class TControlPeer {
public:
    virtual ~TControlPeer() = default;
    // The control's state changed in the given respect; re-read it from the control.
    virtual void Changed(TControl& control, TPeerChange what) = 0;
};

}  // namespace qvn
