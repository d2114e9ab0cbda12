#include "controls/OrinMaskEdit.h"

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TOrinMaskEdit, TMaskEdit, [](TPropTable& t) {
    AddBoolProp<TOrinMaskEdit, &TOrinMaskEdit::SuppressChange, &TOrinMaskEdit::SetSuppressChange>(t, "SuppressChange");
})

void TOrinMaskEdit::Change()
{
    if (!suppressChange_) TMaskEdit::Change();
}

}  // namespace qvn
