#pragma once
// The components a control's uniqueness checks look through: those owned by
// its parent control and the parent's children (a control on a panel is
// usually owned by the form, not by the panel). Without a parent, those
// owned by its owner.

#include <functional>

namespace qvn {

class TComponent;
class TControl;

// The first component of that scope that matches, or nullptr.
TComponent* FindInParentScope(const TControl& control, const std::function<bool(TComponent*)>& matches);

}  // namespace qvn
