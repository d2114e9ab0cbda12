#include "controls/ParentScope.h"

#include "vcl/WinControl.h"

namespace qvn {

TComponent* FindInParentScope(const TControl& control, const std::function<bool(TComponent*)>& matches)
{
    TWinControl* parent = control.Parent();
    const TComponent* owners = parent != nullptr ? static_cast<const TComponent*>(parent) : control.Owner();
    if (owners != nullptr)
        for (int i = 0; i < owners->ComponentCount(); ++i)
            if (matches(owners->Components(i))) return owners->Components(i);
    if (parent != nullptr)
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (matches(parent->Controls(i))) return parent->Controls(i);
    return nullptr;
}

}  // namespace qvn
