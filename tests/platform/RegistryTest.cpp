#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "support/TempDir.h"

namespace qvn {
namespace {

TEST(RegistryTest, OpensKeysOfTheRegistryFileCaseInsensitively)
{
    test::TempDir dir;
    test::ScopedEnv env("QVN_REGISTRY", dir.Write("registry.ini",
                                                  "[HKEY_LOCAL_MACHINE\\Software\\QVN\\Zentor]\n"
                                                  "ClientPath=D:\\Zentor\\\n"
                                                  "[HKLM\\Software\\Other]\n"
                                                  "Name=abbreviated root\n"
                                                  "[HKEY_CURRENT_USER\\Software\\QVN\\Zentor]\n"
                                                  "ClientPath=user\n"));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("software\\qvn\\ZENTOR"));
    EXPECT_EQ(reg.ReadString("clientpath"), "D:\\Zentor\\");
    EXPECT_EQ(reg.ReadString("ServerPath"), "");
    EXPECT_FALSE(reg.ValueExists("ServerPath"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\Other\\"));
    EXPECT_EQ(reg.ReadString("Name"), "abbreviated root");
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\Missing"));
    EXPECT_EQ(reg.ReadString("Name"), "");

    TRegistry user(RegistryRoot::CurrentUser);
    ASSERT_TRUE(user.OpenKeyReadOnly("Software\\QVN\\Zentor"));
    EXPECT_EQ(user.ReadString("ClientPath"), "user");
}

TEST(RegistryTest, MissingFileMeansNoKeys)
{
    test::ScopedEnv env("QVN_REGISTRY", "/nonexistent/registry.ini");
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\QVN\\Zentor"));
    EXPECT_EQ(reg.ReadString("ClientPath"), "");
}

}  // namespace
}  // namespace qvn
