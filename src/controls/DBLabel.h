#pragma once
// TDBLabel: the caption of one input control (its FocusControl). It places
// itself beside the control (Pos, Gap) and, with AutoCaption, takes the
// display label of the control's data field as its caption. A control has
// at most one such label. At run time the label refreshes only when its own
// properties are set; it does not follow the control when that moves later.

#include <cstdint>

#include "vcl/Label.h"

namespace qvn {

enum TPos { psTop, psLeft, psRight, psBottom };

class TDBLabel : public TLabel {
    QVN_CLASS_INFO()
public:
    static constexpr const char* kDefaultCaption = "挂靠标签";
    static constexpr const char* kDuplicateBinding = "不能同时有两个 DBLabel 指到同一个 Control.";

    explicit TDBLabel(TComponent* owner);

    // Refused with an error box when another label of the same parent
    // already belongs to control; nullptr releases the control.
    void SetFocusControl(TWinControl* control);
    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool on);
    bool AutoCaption() const { return autoCaption_; }
    void SetAutoCaption(bool on);
    uint8_t Gap() const { return gap_; }
    void SetGap(uint8_t gap);
    TPos Pos() const { return pos_; }
    void SetPos(TPos pos);  // values outside the enumeration are ignored

    // Caption from the data field, then the place beside the control.
    void RefreshFromControl();
    void UpdateCaption();
    void AlignToControl();

private:
    bool autoAlign_ = true;
    bool autoCaption_ = true;
    uint8_t gap_ = 4;
    TPos pos_ = psLeft;
};

}  // namespace qvn
