#pragma once
// TOrinCheckBox: the selection panel's switch between range and list entry;
// a bitmap check box with nothing added, kept as a class of its own so forms
// and language files can tell it apart.

#include "controls/BitCheckBox.h"

namespace qvn {

class TOrinCheckBox : public TBitCheckBox {
    QVN_CLASS_INFO()
public:
    explicit TOrinCheckBox(TComponent* owner) : TBitCheckBox(owner) {}
};

}  // namespace qvn
