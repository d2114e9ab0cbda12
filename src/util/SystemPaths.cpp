#include "util/SystemPaths.h"

#include "platform/OsUtils.h"
#include "platform/Registry.h"

namespace qvn {

std::string GetZentorPath()
{
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(kZentorRegistryKey)) return {};
    std::string path = reg.ReadString("ClientPath");
    if (path.empty()) path = reg.ReadString("ServerPath");
    return NormalisePathSeparators(path);
}

std::string GetLongTempPath()
{
    std::string temp = TempFolder();
    return temp.size() > 260 ? std::string() : temp;
}

}  // namespace qvn
