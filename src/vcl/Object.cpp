#include "vcl/Object.h"

#include "platform/Exceptions.h"

namespace qvn {

const TClassInfo& TObject::StaticClassInfo()
{
    static const TClassInfo info("TObject", nullptr);
    return info;
}

QVN_DEFINE_CLASS_INFO(TPersistent, TObject)

void TPersistent::Assign(const TPersistent& source)
{
    if (source.AssignTo(*this)) return;
    throw EConvertError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

bool TPersistent::AssignTo(TPersistent&) const { return false; }

}  // namespace qvn
