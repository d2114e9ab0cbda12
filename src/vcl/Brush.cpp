#include "vcl/Brush.h"

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TBrush, TPersistent, [](TPropTable& t) {
    AddIntProp<TBrush, &TBrush::Color, &TBrush::SetColor>(t, "Color", "TColor");
    AddEnumProp<TBrush, &TBrush::Style, &TBrush::SetStyle>(t, "Style", "TBrushStyle", {"bsSolid", "bsClear"});
})

void TBrush::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    OnChange(this);
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_) return;
    style_ = style;
    OnChange(this);
}

void TBrush::Assign(const TPersistent& source)
{
    const auto* brush = dynamic_cast<const TBrush*>(&source);
    if (brush == nullptr) return TPersistent::Assign(source);
    if (brush->color_ == color_ && brush->style_ == style_) return;
    color_ = brush->color_;
    style_ = brush->style_;
    OnChange(this);
}

}  // namespace qvn
