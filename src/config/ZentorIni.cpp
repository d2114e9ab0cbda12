#include "config/ZentorIni.h"

#include "config/PasswordScrambler.h"
#include "platform/CodePage.h"
#include "platform/Edition.h"
#include "platform/IniFile.h"
#include "platform/OsUtils.h"
#include "platform/Registry.h"
#include "util/Fields.h"
#include "util/SystemPaths.h"

namespace qvn {
namespace {

// The platform reads the user name into a 32-byte buffer.
constexpr size_t kMaxUserNameLength = 31;

std::string UpperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string ProfileUserName()
{
    std::string name = LoginUserName();
    if (name.size() > kMaxUserNameLength) name.resize(kMaxUserNameLength);
    return name;
}

bool PerUserProfiles(std::string_view profileType) { return !profileType.empty() && profileType != "0"; }

}  // namespace

std::string ResolveRelativePath(std::string_view path, std::string_view base)
{
    std::string p = NormalisePathSeparators(path);
    if (HasDriveOrSharePrefix(p)) return p;
    std::string b = NormalisePathSeparators(base);
    if (!p.empty() && p.front() == '/') return b + p.substr(1);
    return b + p;
}

uint8_t ComputeUIConversion(std::string_view uiCodePage, std::string_view systemCodePage)
{
    if (uiCodePage == "950") return 2;
    if (uiCodePage == "936" && systemCodePage == "950") return 4;
    return 0;
}

uint8_t ComputeDataConversion(std::string_view uiCodePage, std::string_view dbCodePage)
{
    if (uiCodePage == "950" && dbCodePage == "936") return 2;
    if (uiCodePage == "936" && dbCodePage == "950") return 1;
    return 0;
}

bool IsIniFlag(std::string_view value)
{
    const std::string v = UpperAscii(value);
    return v == "1" || v == "Y" || v == "YES" || v == "TRUE";
}

// ---------------------------------------------------------------------------

TZentorIni::TZentorIni(const char* installValueName, const char* fileName, const char* defaultPackageFolder)
    : installValueName_(installValueName), fileName_(fileName), defaultPackageFolder_(defaultPackageFolder)
{
    systemCodePage_ = SystemCodePageText();
    uiCodePage_ = systemCodePage_;
    ComputeConversions();
}

void TZentorIni::ComputeConversions()
{
    uiConversion_ = ComputeUIConversion(uiCodePage_, systemCodePage_);
    dataConversion_ = ComputeDataConversion(uiCodePage_, dbCodePage_);
}

bool TZentorIni::ReadRegistry()
{
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(kZentorRegistryKey)) {
        errorCode_ = "E;000015";
        return false;
    }
    installFolder_ = NormalisePathSeparators(reg.ReadString(installValueName_));
    profileType_ = reg.ReadString("ProfileType");
    reg.CloseKey();
    return !installFolder_.empty();
}

void TZentorIni::ChooseConfigFile()
{
    installFolder_ = IncludeTrailingPathDelimiter(installFolder_);
    configFolder_ = installFolder_;
    if (PerUserProfiles(profileType_)) {
        userName_ = ProfileUserName();
        const std::string userFolder = installFolder_ + "Profile/" + userName_ + "/";
        if (FileExists(userFolder + fileName_)) configFolder_ = userFolder;
    }
    iniFileName_ = configFolder_ + fileName_;
}

void TZentorIni::ReadCodePages(const TIniFile& ini)
{
    uiCodePage_ = ini.ReadString("CodePage", "UICodePage", systemCodePage_);
    dbCodePage_ = ini.ReadString("CodePage", "DBCodePage", "936");
}

void TZentorIni::KeepRawWorkDLLLines(const TIniFile& ini)
{
    workDLLPaths_.clear();
    for (const auto& [key, value] : ini.ReadSectionValues("WorkDLLPath")) workDLLPaths_.push_back(key + "=" + value);
}

void TZentorIni::ResolveWorkDLLPaths(const TIniFile& ini)
{
    workDLLPaths_.clear();
    for (const auto& line : ini.ReadSectionValues("WorkDLLPath"))
        workDLLPaths_.push_back(ResolveRelativePath(IncludeTrailingPathDelimiter(NormalisePathSeparators(line.second)),
                                                    installFolder_));
    if (workDLLPaths_.empty()) workDLLPaths_.push_back(installFolder_ + defaultPackageFolder_);
}

void TZentorIni::Load()
{
    if (!ReadRegistry()) return;
    ChooseConfigFile();
    const TIniFile ini(iniFileName_);
    ReadKeys(ini);
    ComputeConversions();
    KeepRawWorkDLLLines(ini);
    if (!AfterKeys(ini)) return;
    ResolveWorkDLLPaths(ini);
    readOk_ = true;
}

// ---------------------------------------------------------------------------

TZentorIniC::TZentorIniC() : TZentorIni("ClientPath", "ZentorC.ini", "C_PKG/") { Load(); }

void TZentorIniC::ReadKeys(const TIniFile& ini)
{
    langType_ = ini.ReadString("Client Components", "LangType", "ENG");
    SetVersion(ini.ReadString("ProductVersion", "Version", ""));
    createGifBeforeSendEF_ = ini.ReadString("UserDefine", "CreateGifBeforeSendEF", "Y");
    ReadCodePages(ini);
    SetSupportCallBack(IsIniFlag(ini.ReadString("Server Information", "SupportCallBack", "0")));
    computerNames_ = ini.ReadString("Server Information", "ComputerName", "127.0.0.1");
    serverPort_ = ini.ReadInteger("Server Information", "ServerPort", 211);
    if constexpr (!kBasicEdition) {
        autoCheckNewMsg_ = ini.ReadString("TaskMessageCenter Setting", "AutoCheckNewMsg", "1");
        checkInterval_ = ini.ReadString("TaskMessageCenter Setting", "CheckInterval", "1");
        popupMsg_ = ini.ReadString("TaskMessageCenter Setting", "PopupMsg", "1");
        loginCheck_ = ini.ReadString("TaskMessageCenter Setting", "LoginCheck", "0");
    }
}

bool TZentorIniC::AfterKeys(const TIniFile&)
{
    std::string names = TrimText(computerNames_);
    if (!names.empty() && names.back() == ';') names.pop_back();
    if (names.empty()) {
        SetErrorCode("E;000016");
        return false;
    }
    std::vector<std::string> servers;
    for (int i = 1, n = CountFields(names, ";"); i <= n; ++i) servers.push_back(TrimText(GetField(names, ";", i)));
    const int count = static_cast<int>(servers.size());
    serverList_ = Variant(VarArray(VarBound{0, 1}, VarBound{0, count - 1}));
    for (int col = 0; col < count; ++col) {
        serverList_(0, col) = Variant(servers[static_cast<size_t>(col)]);
        serverList_(1, col) = Variant(serverPort_);
    }
    return true;
}

// ---------------------------------------------------------------------------

TZentorIniS::TZentorIniS()
    : TZentorIni("ServerPath", "ZentorS.ini", "S_PKG/"), dbSettings_(VarArray(VarBound{0, 3}, VarBound{0, 7}))
{
    Load();
}

void TZentorIniS::ReadKeys(const TIniFile& ini)
{
    constexpr const char* dbe = "DBE Setting";
    constexpr const char* ctrl = "DBPasswordCtrl";
    auto set = [this](int row, int col, Variant v) { dbSettings_(row, col) = std::move(v); };

    SetVersion(ini.ReadString("ProductVersion", "Version", ""));
    ReadCodePages(ini);
    set(0, 1, ini.ReadString(dbe, "MainUserName", "sa"));
    set(0, 2, DecodeStoredPassword(ini.ReadString(dbe, "XXXXXX", "")));
    set(0, 0, ini.ReadString(dbe, "MainAlias", "Tolvan"));
    const std::string mainDBType = ini.ReadString(dbe, "MainDBType", "MSSQL");
    set(0, 3, mainDBType);
    set(0, 4, ini.ReadString(dbe, "MainDBName", ""));
    const std::string mainServerName = ini.ReadString(dbe, "MainServerName", "");
    set(0, 5, mainServerName);
    systemControlAddress_ = mainServerName;
    otherSystemControlAddress_ = mainServerName;
    if constexpr (!kBasicEdition) {
        systemControlAddress_ = ini.ReadString(dbe, "SystemControlAddress", "");
        if (TrimText(systemControlAddress_).empty()) systemControlAddress_ = mainServerName;
        otherSystemControlAddress_ = ini.ReadString(dbe, "OtherSystemControlAddress", "");
        if (TrimText(otherSystemControlAddress_).empty()) otherSystemControlAddress_ = mainServerName;
    }
    set(0, 6, ini.ReadInteger(dbe, "MainConnectionTimeOut", 300));
    set(0, 7, ini.ReadInteger(dbe, "MainCommandTimeOut", 3000));
    set(1, 0, ini.ReadString(dbe, "TempAlias", "TolvanTemp"));
    set(1, 1, ini.ReadString(dbe, "TempUserName", "sa"));
    set(1, 2, DecodeStoredPassword(ini.ReadString(dbe, "TempPassword", "")));
    set(1, 3, ini.ReadString(dbe, "TempDBType", "PARADOX"));
    set(1, 4, ini.ReadString(dbe, "TempDBName", ""));
    set(1, 5, ini.ReadString(dbe, "TempDriverName", "PostgreSQL"));
    set(1, 6, ini.ReadInteger(dbe, "TempConnectionTimeOut", 300));
    set(1, 7, ini.ReadInteger(dbe, "TempCommandTimeOut", 3000));
    set(2, 0, TrimText(ini.ReadString(ctrl, "ComputerName", "")));
    set(2, 1, ini.ReadInteger(ctrl, "ServerPort", 211));
    set(2, 2, ini.ReadInteger(ctrl, "ClientSocketPort", 1024));
    SetSupportCallBack(IsIniFlag(ini.ReadString(ctrl, "SupportCallBack", "0")));
    set(2, 3, ini.ReadString(dbe, "DataBaseCodeOrder", "Chinese_Taiwan_Stroke_BIN"));
    set(3, 0, ini.ReadString(dbe, "EctAlias", "EDIDATA"));
    set(3, 1, ini.ReadString(dbe, "EctUserName", "sa"));
    set(3, 2, ini.ReadString(dbe, "EctPassword", ""));

    const std::string upperType = UpperAscii(mainDBType);
    dbKind_ = upperType == "ORACLE" ? 1 : upperType == "DB2" ? 2 : 0;
}

}  // namespace qvn
