#pragma once
// The caption label an edit carries with it: a label named "EditLabel",
// owned by the edit, placed beside it (LabelPosition, LabelSpacing) and
// following its parent, visibility and enabled state. Shared by the edits
// that have one; the edit forwards its changes here.

#include <string>

#include "vcl/Label.h"

namespace qvn {

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

class TEditLabelBinding {
public:
    // Creates the label, owned by edit.
    explicit TEditLabelBinding(TWinControl& edit);

    TLabel* Label() const { return label_; }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    TLabelPosition Position() const { return position_; }
    void SetPosition(TLabelPosition position);  // values outside the enumeration are ignored
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);  // negative values are ignored

    // Moves the label beside the edit (its size unchanged).
    void Place();
    // Takes the edit's parent, visibility and enabled state.
    void FollowEdit();
    // The edit heard that component goes away; forgets the label when it is the one.
    void Forget(const TComponent* component);

private:
    TWinControl& edit_;
    TLabel* label_;
    TLabelPosition position_ = lpLeft;
    int spacing_ = 4;
};

}  // namespace qvn
