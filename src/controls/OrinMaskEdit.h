#pragma once
// TOrinMaskEdit: the selection panel's range edit, a masked edit whose change
// notification can be held back while the panel rewrites its text itself
// (to learn the blank form of a new mask).

#include "vcl/MaskEdit.h"

namespace qvn {

class TOrinMaskEdit : public TMaskEdit {
    QVN_CLASS_INFO()
public:
    explicit TOrinMaskEdit(TComponent* owner) : TMaskEdit(owner) {}

    bool SuppressChange() const { return suppressChange_; }
    void SetSuppressChange(bool on) { suppressChange_ = on; }

protected:
    void Change() override;

private:
    bool suppressChange_ = false;
};

}  // namespace qvn
