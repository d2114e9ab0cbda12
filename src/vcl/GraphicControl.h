#pragma once
// TGraphicControl: a control without a window (labels, speed buttons,
// bevels, images). It never takes the focus and gets no key events; it
// draws itself in Paint, which a backend calls with the canvas of its
// parent and a test calls with the canvas of a bitmap. Its own Canvas has
// no surface: it measures text in the control's font.

#include <memory>

#include "vcl/Canvas.h"
#include "vcl/Control.h"

namespace qvn {

class TGraphicControl : public TControl {
    QVN_CLASS_INFO()
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;

    // A measuring canvas whose font follows the control's font.
    TCanvas* Canvas() const;
    // Draws the control at the canvas origin (the caller places the canvas).
    virtual void Paint(TCanvas& canvas) { (void)canvas; }

private:
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace qvn
