#include "platform/FormatSettings.h"

namespace qvn {

FormatSettings& ProcessFormatSettings()
{
    static FormatSettings settings;
    return settings;
}

}  // namespace qvn
