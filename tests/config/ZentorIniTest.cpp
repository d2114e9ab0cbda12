#include <gtest/gtest.h>

#include "support/VariantPrinting.h"
#include "config/PasswordScrambler.h"
#include "config/ZentorIni.h"
#include "log/AlertLog.h"
#include "platform/Exceptions.h"

#include <fstream>
#include <iterator>
#include "platform/CodePage.h"
#include "support/ZentorFixture.h"

namespace qvn {
namespace {

class ZentorIniTest : public ::testing::Test {
protected:
    void TearDown() override { SetProcessCodePage(CP_GBK); }
    test::ZentorInstall install_;
};

TEST(ZentorIniPaths, ResolveRelativePath)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Pkg/", "/opt/z/Pkg/"}, {"\\Pkg\\", "/opt/z/Pkg/"}, {"/Pkg/", "/opt/z/Pkg/"},
        {"D:\\Pkg\\", "D:/Pkg/"}, {"\\\\srv\\share\\", "//srv/share/"}, {"", "/opt/z/"},
    };
    for (auto [path, expected] : cases) EXPECT_EQ(ResolveRelativePath(path, "/opt/z/"), expected) << path;
}

TEST(ZentorIniPaths, ConversionNumbersAndFlags)
{
    struct Case { const char* ui; const char* sys; const char* db; int uiConv; int dataConv; };
    const Case cases[] = {
        {"950", "936", "936", 2, 2}, {"950", "950", "950", 2, 0}, {"936", "950", "950", 4, 1},
        {"936", "936", "936", 0, 0}, {"437", "437", "936", 0, 0}, {"936", "437", "950", 0, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComputeUIConversion(c.ui, c.sys), c.uiConv) << c.ui << "/" << c.sys;
        EXPECT_EQ(ComputeDataConversion(c.ui, c.db), c.dataConv) << c.ui << "/" << c.db;
    }
    for (const char* yes : {"1", "y", "Yes", "TRUE"}) EXPECT_TRUE(IsIniFlag(yes)) << yes;
    for (const char* no : {"0", "2", "", "no", "T", " yes"}) EXPECT_FALSE(IsIniFlag(no)) << no;
}

TEST_F(ZentorIniTest, MissingRegistryKeyLeavesDefaultsAndTheError)
{
    test::ScopedEnv none("QVN_REGISTRY", "/nonexistent/registry.ini");
    SetProcessCodePage(CP_LATIN1);
    TZentorIniC c;
    EXPECT_EQ(c.ErrorCode(), "E;000015");
    EXPECT_FALSE(c.ReadOk());
    EXPECT_EQ(c.UICodePage(), "437");
    EXPECT_EQ(c.SystemCodePage(), "437");
    EXPECT_EQ(c.DBCodePage(), "936");
    EXPECT_EQ(c.UIConversion(), 0);
    EXPECT_EQ(c.DataConversion(), 0);
    EXPECT_EQ(c.ProfileType(), "0");
    EXPECT_EQ(c.UserName(), "Default");
    EXPECT_TRUE(c.InstallFolder().empty());
    EXPECT_TRUE(c.WorkDLLPaths().empty());
    TZentorIniS s;
    EXPECT_EQ(s.ErrorCode(), "E;000015");
    EXPECT_EQ(s.DBSettings().DimCount(), 2);
}

TEST_F(ZentorIniTest, EmptyInstallFolderStopsWithoutError)
{
    install_.WriteRegistry("ClientPath=\nServerPath=\n");
    TZentorIniC c;
    EXPECT_EQ(c.ErrorCode(), "");
    EXPECT_FALSE(c.ReadOk());
    EXPECT_TRUE(c.IniFileName().empty());
}

TEST_F(ZentorIniTest, ClientWithoutFileTakesEveryDefault)
{
    SetProcessCodePage(CP_LATIN1);
    TZentorIniC c;
    ASSERT_TRUE(c.ReadOk()) << c.ErrorCode();
    EXPECT_EQ(c.InstallFolder(), install_.Folder("client/"));
    EXPECT_EQ(c.ConfigFolder(), install_.Folder("client/"));
    EXPECT_EQ(c.IniFileName(), install_.Folder("client/ZentorC.ini"));
    EXPECT_EQ(c.LangType(), "ENG");
    EXPECT_EQ(c.Version(), "");
    EXPECT_EQ(c.CreateGifBeforeSendEF(), "Y");
    EXPECT_EQ(c.UICodePage(), "437");
    EXPECT_EQ(c.DBCodePage(), "936");
    EXPECT_FALSE(c.SupportCallBack());
    EXPECT_EQ(c.AutoCheckNewMsg(), "1");
    EXPECT_EQ(c.CheckInterval(), "1");
    EXPECT_EQ(c.PopupMsg(), "1");
    EXPECT_EQ(c.LoginCheck(), "0");
    Variant expected = VarArrayCreate(VarBound{0, 1}, VarBound{0, 0});
    expected(0, 0) = Variant("127.0.0.1");
    expected(1, 0) = Variant(211);
    EXPECT_EQ(c.ServerList(), expected) << VarDebugText(c.ServerList());
    EXPECT_EQ(c.WorkDLLPaths(), std::vector<std::string>{install_.Folder("client/C_PKG/")});
}

TEST_F(ZentorIniTest, ClientReadsEveryKey)
{
    install_.WriteFile("client/ZentorC.ini",
                       "[Client Components]\nLangType=CHT\n"
                       "[ProductVersion]\nVersion=9.1\n"
                       "[UserDefine]\nCreateGifBeforeSendEF=N\n"
                       "[CodePage]\nUICodePage=950\n"
                       "[Server Information]\nSupportCallBack=yes\nComputerName= srvA;srvB; \nServerPort=2000\n"
                       "[WorkDLLPath]\nA=Pkg\nB=\\Pkg2\\\nC=D:\\Pkg\nD=//share/pkg\n"
                       "[TaskMessageCenter Setting]\nAutoCheckNewMsg=0\nCheckInterval=5\nPopupMsg=0\nLoginCheck=1\n");
    TZentorIniC c;
    ASSERT_TRUE(c.ReadOk());
    EXPECT_EQ(c.LangType(), "CHT");
    EXPECT_EQ(c.Version(), "9.1");
    EXPECT_EQ(c.CreateGifBeforeSendEF(), "N");
    EXPECT_EQ(c.UIConversion(), 2);
    EXPECT_EQ(c.DataConversion(), 2);
    EXPECT_TRUE(c.SupportCallBack());
    Variant expected = VarArrayCreate(VarBound{0, 1}, VarBound{0, 1});
    expected(0, 0) = Variant("srvA");
    expected(1, 0) = Variant(2000);
    expected(0, 1) = Variant("srvB");
    expected(1, 1) = Variant(2000);
    EXPECT_EQ(c.ServerList(), expected) << VarDebugText(c.ServerList());
    const std::vector<std::string> paths = {install_.Folder("client/Pkg/"), install_.Folder("client/Pkg2/"), "D:/Pkg/",
                                            "//share/pkg/"};
    EXPECT_EQ(c.WorkDLLPaths(), paths);
    EXPECT_EQ(c.AutoCheckNewMsg(), "0");
    EXPECT_EQ(c.CheckInterval(), "5");
    EXPECT_EQ(c.PopupMsg(), "0");
    EXPECT_EQ(c.LoginCheck(), "1");
}

TEST_F(ZentorIniTest, CodePagesOnABig5System)
{
    SetProcessCodePage(CP_BIG5);
    install_.WriteFile("client/ZentorC.ini", "[CodePage]\nUICodePage=936\nDBCodePage=950\n");
    TZentorIniC c;
    EXPECT_EQ(c.SystemCodePage(), "950");
    EXPECT_EQ(c.UIConversion(), 4);
    EXPECT_EQ(c.DataConversion(), 1);
}

TEST_F(ZentorIniTest, ClientWithoutServerNameReportsTheError)
{
    install_.WriteFile("client/ZentorC.ini",
                       "[Client Components]\nLangType=CHS\n[Server Information]\nComputerName= ; \n[WorkDLLPath]\nA=Pkg\n");
    TZentorIniC c;
    EXPECT_EQ(c.ErrorCode(), "E;000016");
    EXPECT_FALSE(c.ReadOk());
    EXPECT_EQ(c.LangType(), "CHS");  // read before the check
    EXPECT_TRUE(c.ServerList().IsEmpty());
    EXPECT_EQ(c.WorkDLLPaths(), std::vector<std::string>{"A=Pkg"});  // the raw section lines
}

TEST_F(ZentorIniTest, BadIntegersTakeTheirDefaults)
{
    install_.WriteFile("client/ZentorC.ini", "[Server Information]\nComputerName=srv\nServerPort=twelve\n");
    TZentorIniC c;
    EXPECT_EQ(c.ServerList()(1, 0), Variant(211));
    install_.WriteFile("server/ZentorS.ini", "[DBE Setting]\nMainConnectionTimeOut=\nMainCommandTimeOut=1e3\n"
                                             "[DBPasswordCtrl]\nServerPort=-\nClientSocketPort=4096\n");
    TZentorIniS s;
    EXPECT_EQ(s.DBSettings()(0, 6), Variant(300));
    EXPECT_EQ(s.DBSettings()(0, 7), Variant(3000));
    EXPECT_EQ(s.DBSettings()(2, 1), Variant(211));
    EXPECT_EQ(s.DBSettings()(2, 2), Variant(4096));
}

TEST_F(ZentorIniTest, PerUserProfileFolder)
{
    test::ScopedEnv user("LOGNAME", "clerk");
    install_.WriteRegistry("ClientPath=%DIR%client\nProfileType=1\n");
    install_.WriteFile("client/ZentorC.ini", "[Client Components]\nLangType=CHS\n");
    {
        TZentorIniC shared;  // no file in the user's folder: the shared one is read
        EXPECT_EQ(shared.UserName(), "clerk");
        EXPECT_EQ(shared.ProfileType(), "1");
        EXPECT_EQ(shared.ConfigFolder(), install_.Folder("client/"));
        EXPECT_EQ(shared.LangType(), "CHS");
    }
    install_.WriteFile("client/Profile/clerk/ZentorC.ini", "[Client Components]\nLangType=CHT\n");
    TZentorIniC own;
    EXPECT_EQ(own.ConfigFolder(), install_.Folder("client/Profile/clerk/"));
    EXPECT_EQ(own.IniFileName(), install_.Folder("client/Profile/clerk/ZentorC.ini"));
    EXPECT_EQ(own.LangType(), "CHT");
    // Work folders still resolve against the installation folder.
    EXPECT_EQ(own.WorkDLLPaths(), std::vector<std::string>{install_.Folder("client/C_PKG/")});
}

TEST_F(ZentorIniTest, ProfileTypeZeroOrEmptyMeansOneSharedFile)
{
    for (const char* type : {"0", ""}) {
        test::ScopedEnv user("LOGNAME", "clerk");
        install_.WriteRegistry(std::string("ClientPath=%DIR%client\\\nProfileType=") + type + "\n");
        TZentorIniC c;
        EXPECT_EQ(c.UserName(), "Default") << type;
        EXPECT_EQ(c.InstallFolder(), install_.Folder("client/"));
    }
}

TEST_F(ZentorIniTest, ServerDefaults)
{
    TZentorIniS s;
    ASSERT_TRUE(s.ReadOk());
    const Variant& db = s.DBSettings();
    struct Cell { int row, col; Variant value; };
    const Cell cells[] = {
        {0, 0, "Tolvan"}, {0, 1, "sa"}, {0, 2, ""}, {0, 3, "MSSQL"}, {0, 4, ""}, {0, 5, ""}, {0, 6, 300}, {0, 7, 3000},
        {1, 0, "TolvanTemp"}, {1, 1, "sa"}, {1, 2, ""}, {1, 3, "PARADOX"}, {1, 4, ""}, {1, 5, "PostgreSQL"},
        {1, 6, 300}, {1, 7, 3000}, {2, 0, ""}, {2, 1, 211}, {2, 2, 1024}, {2, 3, "Chinese_Taiwan_Stroke_BIN"},
        {3, 0, "EDIDATA"}, {3, 1, "sa"}, {3, 2, ""},
    };
    for (const auto& c : cells) EXPECT_EQ(db(c.row, c.col), c.value) << c.row << "," << c.col;
    EXPECT_EQ(s.DBKind(), 0);
    EXPECT_FALSE(s.SupportCallBack());
    EXPECT_EQ(s.WorkDLLPaths(), std::vector<std::string>{install_.Folder("server/S_PKG/")});
    std::vector<std::string> copy = {"stale"};
    s.GetWorkDLLPaths(copy);
    EXPECT_EQ(copy, s.WorkDLLPaths());
}

TEST_F(ZentorIniTest, ServerReadsEveryKeyAndUnscramblesPasswords)
{
    install_.WriteFile("server/ZentorS.ini",
                       "[DBE Setting]\nMainUserName=admin\nXXXXXX=" + ScramblePassword("s3cret") +
                           "\nMainAlias=Main\nMainDBType=oracle\nMainDBName=ERP\nMainServerName=dbhost\n"
                           "SystemControlAddress=  \nOtherSystemControlAddress=ctl2\n"
                           "TempPassword=" + ScramblePassword("") +
                           "\nTempDriverName=SQLite\nEctPassword=plain\nDataBaseCodeOrder=Chinese_PRC_BIN\n"
                           "[DBPasswordCtrl]\nComputerName=  ctlhost  \nSupportCallBack=TRUE\n"
                           "[WorkDLLPath]\nP=bin\n");
    TZentorIniS s;
    const Variant& db = s.DBSettings();
    EXPECT_EQ(db(0, 1), Variant("admin"));
    EXPECT_EQ(db(0, 2), Variant("s3cret"));
    EXPECT_EQ(db(0, 3), Variant("oracle"));
    EXPECT_EQ(db(0, 5), Variant("dbhost"));
    EXPECT_EQ(db(1, 2), Variant(""));  // the empty-password marker
    EXPECT_EQ(db(1, 5), Variant("SQLite"));
    EXPECT_EQ(db(2, 0), Variant("ctlhost"));
    EXPECT_EQ(db(2, 3), Variant("Chinese_PRC_BIN"));
    EXPECT_EQ(db(3, 2), Variant("plain"));
    EXPECT_EQ(s.DBKind(), 1);
    EXPECT_TRUE(s.SupportCallBack());
    EXPECT_EQ(s.SystemControlAddress(), "dbhost");
    EXPECT_EQ(s.OtherSystemControlAddress(), "ctl2");
    EXPECT_EQ(s.WorkDLLPaths(), std::vector<std::string>{install_.Folder("server/bin/")});
}

TEST_F(ZentorIniTest, DBKindByMainDBType)
{
    const std::pair<const char*, int> cases[] = {{"ORACLE", 1}, {"Oracle", 1}, {"DB2", 2}, {"db2", 2}, {"MSSQL", 0}, {"ORACLE8", 0}};
    for (auto [type, kind] : cases) {
        install_.WriteFile("server/ZentorS.ini", std::string("[DBE Setting]\nMainDBType=") + type + "\n");
        EXPECT_EQ(TZentorIniS().DBKind(), kind) << type;
    }
}

TEST_F(ZentorIniTest, PasswordThatCannotBeUnscrambledIsReported)
{
    install_.WriteFile("server/ZentorS.ini", "[DBE Setting]\nXXXXXX=ZZ12\nTempPassword=ABC\n");
    TZentorIniS s;
    EXPECT_EQ(s.DBSettings()(0, 2), Variant(std::string(kPasswordErrorMarker)));
    EXPECT_EQ(s.DBSettings()(1, 2), Variant(std::string(kPasswordErrorMarker)));
    EXPECT_EQ(s.DBSettings()(1, 0), Variant("TolvanTemp"));  // reading went on
    std::ifstream in(GeneratorAlertFileName(), std::ios::binary);
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(GeneratorAlertFileName().rfind(install_.Folder("client/Log/"), 0), 0u);
    EXPECT_NE(log.find(" on " + ScrambleText("DecodeSQLSa") + " "), std::string::npos) << log;
    EXPECT_NE(log.find("Programer Message: 解析 Sa 时发生错误!"), std::string::npos);
}

TEST(PasswordScramblerTest, RoundTripsAnyBytes)
{
    for (const std::string& plain : {std::string("a"), std::string("s3cret!"), std::string("\xD3\xA6\xB8\xB6"),
                                    std::string("\0\x01\xFF", 3), std::string(300, 'x')}) {
        const std::string stored = ScramblePassword(plain);
        EXPECT_EQ(stored.size(), plain.size() * 2);
        EXPECT_EQ(stored.find_first_not_of("0123456789ABCDEF"), std::string::npos);
        EXPECT_NE(stored, plain);
        EXPECT_EQ(DecodeStoredPassword(stored), plain);
    }
    EXPECT_EQ(ScramblePassword("").size(), 72u);
    EXPECT_EQ(DecodeStoredPassword(ScramblePassword("")), "");
    EXPECT_EQ(DecodeStoredPassword(""), "");
    EXPECT_EQ(UnscrambleText(ScramblePassword("abc")), "abc");
    EXPECT_EQ(UnscrambleText("") , "");
    for (const char* bad : {"A", "GG", "0x", "1 "}) EXPECT_THROW(UnscrambleText(bad), EConvertError) << bad;
}

}  // namespace
}  // namespace qvn
