#pragma once
// TExtPageControl: the option page control of the program forms. It draws
// its tabs itself: the active tab in the active-caption colours and bold,
// the others in the inactive-caption colours, each with its page's caption
// centred. OnDrawTab, when assigned, draws instead.

#include "vcl/PageControl.h"

namespace qvn {

class TExtPageControl : public TPageControl {
    QVN_CLASS_INFO()
public:
    explicit TExtPageControl(TComponent* owner);

protected:
    void DrawTab(TCanvas& canvas, int tabIndex, const TRect& rect, bool active) override;
};

}  // namespace qvn
