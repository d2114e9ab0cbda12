#pragma once
// TQvSpinEdit: the numeric spin edit of the schedule page. A sign can only
// lead the number: a text with '+' or '-' after its first character loses
// its last character (until none is left there), and an empty text reports
// no change.

#include "vcl/SpinEdit.h"

namespace qvn {

class TQvSpinEdit : public TSpinEdit {
    QVN_CLASS_INFO()
public:
    explicit TQvSpinEdit(TComponent* owner) : TSpinEdit(owner) {}

protected:
    void TextChanged() override;
};

}  // namespace qvn
