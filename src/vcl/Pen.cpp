#include "vcl/Pen.h"

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TPen, TPersistent, [](TPropTable& t) {
    AddIntProp<TPen, &TPen::Color, &TPen::SetColor>(t, "Color", "TColor");
    AddIntProp<TPen, &TPen::Width, &TPen::SetWidth>(t, "Width");
})

void TPen::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    OnChange(this);
}

void TPen::SetWidth(int width)
{
    if (width < 1) width = 1;
    if (width == width_) return;
    width_ = width;
    OnChange(this);
}

void TPen::Assign(const TPersistent& source)
{
    const auto* pen = dynamic_cast<const TPen*>(&source);
    if (pen == nullptr) return TPersistent::Assign(source);
    if (pen->color_ == color_ && pen->width_ == width_) return;
    color_ = pen->color_;
    width_ = pen->width_;
    OnChange(this);
}

}  // namespace qvn
