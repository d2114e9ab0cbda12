#pragma once
#ifndef QVN_BASIC_EDITION
// TQvEdit: an edit that carries its own caption label ("EditLabel"). The
// published Caption is the label's text; Text stays the edit's text.

#include <string>

#include "controls/EditLabel.h"
#include "vcl/Edit.h"

namespace qvn {

class TQvEdit : public TEdit {
    QVN_CLASS_INFO()
public:
    explicit TQvEdit(TComponent* owner);

    // nullptr once the label was freed elsewhere.
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
};

}  // namespace qvn

#endif  // QVN_BASIC_EDITION
