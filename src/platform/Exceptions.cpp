#include "platform/Exceptions.h"

#include <cstring>

namespace qvn {

void RaiseLastOSError(int errorCode)
{
    std::string text = "System Error.  Code: " + std::to_string(errorCode) + ".\r\n" + std::strerror(errorCode);
    throw EOSError(text, errorCode);
}

}  // namespace qvn
