#pragma once
#ifndef QVN_BASIC_EDITION
// TQvDBEdit: the data-aware edit with its own caption label ("EditLabel").
// While a form is being designed, binding a field that exists takes the
// field's display label as caption.

#include <string>

#include "controls/EditLabel.h"
#include "vcl/MaskEdit.h"

namespace qvn {

class TQvDBEdit : public TMaskEdit {
    QVN_CLASS_INFO()
public:
    explicit TQvDBEdit(TComponent* owner);

    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& field);

    TLabel* EditLabel() const { return label_.Label(); }
    std::string LabelCaption() const { return label_.Caption(); }
    void SetLabelCaption(const std::string& caption) { label_.SetCaption(caption); }
    TLabelPosition LabelPosition() const { return label_.Position(); }
    void SetLabelPosition(TLabelPosition position) { label_.SetPosition(position); }
    int LabelSpacing() const { return label_.Spacing(); }
    void SetLabelSpacing(int spacing) { label_.SetSpacing(spacing); }

    void SetParent(TWinControl* parent) override;

protected:
    void BoundsChanged(bool moved, bool resized) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TEditLabelBinding label_;
    std::string dataField_;
};

}  // namespace qvn

#endif  // QVN_BASIC_EDITION
