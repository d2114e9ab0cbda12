#include "support/ZentorFixture.h"

namespace qvn::test {

ZentorInstall::ZentorInstall(const std::string& registryBody) { WriteRegistry(registryBody); }

void ZentorInstall::WriteRegistry(const std::string& registryBody)
{
    std::string body = registryBody;
    for (size_t pos; (pos = body.find("%DIR%")) != std::string::npos;) body.replace(pos, 5, dir_.Folder());
    env_.reset();
    env_ = std::make_unique<ScopedEnv>("QVN_REGISTRY",
                                       dir_.Write("registry.ini", "[HKEY_LOCAL_MACHINE\\Software\\QVN\\Zentor]\n" + body));
}

}  // namespace qvn::test
