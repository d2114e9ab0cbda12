#pragma once
// TCustomControl: a windowed control that draws itself (panels, group
// boxes, custom check boxes). Paint draws it onto a canvas; headless, a
// test hands it the canvas of a bitmap. Its own Canvas has no surface and
// measures text in the control's font.

#include <memory>

#include "vcl/Canvas.h"
#include "vcl/WinControl.h"

namespace qvn {

class TCustomControl : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;

    TCanvas* Canvas() const;
    virtual void Paint(TCanvas& canvas) { (void)canvas; }

private:
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace qvn
