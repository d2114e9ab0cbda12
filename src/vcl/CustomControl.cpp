#include "vcl/CustomControl.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TCustomControl, TWinControl)

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl() = default;

TCanvas* TCustomControl::Canvas() const
{
    canvas_->Font()->Assign(*Font());
    return canvas_.get();
}

}  // namespace qvn
