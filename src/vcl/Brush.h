#pragma once
// The brush a canvas fills areas with; a clear brush fills nothing.

#include "vcl/Colors.h"
#include "vcl/Event.h"
#include "vcl/Object.h"

namespace qvn {

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
    QVN_CLASS_INFO()
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

}  // namespace qvn
