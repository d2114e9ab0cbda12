#pragma once
// TCustomGroupBox / TGroupBox: a framed container with a caption in its top
// edge. Aligned children share the area inside the frame and below the
// caption (DisplayRect).

#include "vcl/CustomControl.h"

namespace qvn {

class TCustomGroupBox : public TCustomControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomGroupBox(TComponent* owner);

    // The client area less the caption line and the frame.
    TRect DisplayRect() const;
    void Paint(TCanvas& canvas) override;

protected:
    void AdjustClientRect(TRect& rect) const override;
    void FontChanged() override;
};

class TGroupBox : public TCustomGroupBox {
    QVN_CLASS_INFO()
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

}  // namespace qvn
