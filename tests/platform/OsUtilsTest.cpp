#include <gtest/gtest.h>

#include "platform/DynamicLibrary.h"
#include "platform/OsUtils.h"
#include "support/TempDir.h"

namespace qvn {
namespace {

TEST(OsUtilsTest, PathTextHelpers)
{
    EXPECT_EQ(NormalisePathSeparators("D:\\Zentor\\Log"), "D:/Zentor/Log");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExtractFilePath("/opt/qvn/VKLB58C.so"), "/opt/qvn/");
    EXPECT_EQ(ExtractFilePath("VKLB58C.so"), "");
    EXPECT_EQ(ExtractFileName("/opt/qvn/VKLB58C.so"), "VKLB58C.so");
    for (const char* absolute : {"D:\\Pkg", "d:/pkg", "//server/share", "\\\\server\\share"})
        EXPECT_TRUE(HasDriveOrSharePrefix(absolute)) << absolute;
    for (const char* relative : {"Pkg", "/Pkg", "\\Pkg", "", "1:x"})
        EXPECT_FALSE(HasDriveOrSharePrefix(relative)) << relative;
}

TEST(OsUtilsTest, MachineFacts)
{
    EXPECT_LE(ComputerName().size(), 15u);
    EXPECT_FALSE(ComputerName().empty());
    {
        test::ScopedEnv tmp("TMPDIR", "/var/tmp");
        EXPECT_EQ(TempFolder(), "/var/tmp/");
    }
    {
        test::ScopedEnv tmp("TMPDIR", "");
        EXPECT_EQ(TempFolder(), "/tmp/");
    }
    {
        test::ScopedEnv user("LOGNAME", "operator7");
        EXPECT_EQ(LoginUserName(), "operator7");
    }
    EXPECT_NE(ExecutableFileName().find("test_platform"), std::string::npos);
    EXPECT_EQ(ModuleFileName(reinterpret_cast<const void*>(&ComputerName)), ExecutableFileName());
}

TEST(OsUtilsTest, ForceDirectoriesCreatesParentsAndReportsFailure)
{
    test::TempDir dir;
    const std::string nested = dir.Folder() + "a/b/c";
    EXPECT_TRUE(ForceDirectories(nested));
    EXPECT_TRUE(DirectoryExists(nested));
    dir.Write("file", "x");
    EXPECT_FALSE(ForceDirectories(dir.Folder() + "file/sub"));
    EXPECT_FALSE(ForceDirectories(""));
}

TEST(DynamicLibraryTest, LoadsByNameMapsDllAndReportsErrors)
{
    EXPECT_EQ(LibraryFileName("Qvlanguage.dll"), "Qvlanguage.so");
    EXPECT_EQ(LibraryFileName("QVDownLoad.DLL"), "QVDownLoad.so");
    EXPECT_EQ(LibraryFileName("libm.so.6"), "libm.so.6");

    DynamicLibrary libm;
    ASSERT_TRUE(libm.Open("libm.so.6")) << libm.LastError();
    auto cosine = libm.Function<double (*)(double)>("cos");
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(libm.Symbol("no_such_function_here"), nullptr);
    EXPECT_FALSE(libm.LastError().empty());

    DynamicLibrary missing;
    EXPECT_FALSE(missing.Open("NoSuchLibrary.dll"));
    EXPECT_NE(missing.LastError().find("NoSuchLibrary.so"), std::string::npos);
    EXPECT_EQ(missing.Symbol("x"), nullptr);
}

}  // namespace
}  // namespace qvn
