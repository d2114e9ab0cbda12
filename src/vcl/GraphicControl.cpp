#include "vcl/GraphicControl.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TGraphicControl, TControl)

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas* TGraphicControl::Canvas() const
{
    canvas_->Font()->Assign(*Font());
    return canvas_.get();
}

}  // namespace qvn
