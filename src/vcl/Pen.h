#pragma once
// The pen a canvas draws lines and outlines with.

#include "vcl/Colors.h"
#include "vcl/Event.h"
#include "vcl/Object.h"

namespace qvn {

class TPen : public TPersistent {
    QVN_CLASS_INFO()
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);  // at least 1
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    TColor color_ = clBlack;
    int width_ = 1;
};

}  // namespace qvn
