#include "controls/OrinCheckBox.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TOrinCheckBox, TBitCheckBox)

}  // namespace qvn
