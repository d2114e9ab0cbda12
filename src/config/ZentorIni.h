#pragma once
// Readers of the suite's configuration files: "ZentorC.ini" of the client and
// "ZentorS.ini" of the application server. Each reads everything once when it
// is constructed, never fails on a missing key or file, and is immutable
// afterwards; defaults stand in for everything that is missing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.h"

namespace qvn {

class TIniFile;

enum class TDesignType { dtClient, dtServer };

// Path itself when it has a drive or share prefix; Base + Path without its first
// character when Path starts with a separator; Base + Path otherwise. '\' is read as '/'.
std::string ResolveRelativePath(std::string_view path, std::string_view base);

// 2 when the UI shows Big5; 4 when the UI is GB on a Big5 system; else 0.
uint8_t ComputeUIConversion(std::string_view uiCodePage, std::string_view systemCodePage);
// 2: database GB shown as Big5; 1: database Big5 shown as GB; else 0.
uint8_t ComputeDataConversion(std::string_view uiCodePage, std::string_view dbCodePage);

// True for "1", "Y", "YES", "TRUE" in any case.
bool IsIniFlag(std::string_view value);

class TZentorIni {
public:
    virtual ~TZentorIni() = default;
    TZentorIni(const TZentorIni&) = delete;
    TZentorIni& operator=(const TZentorIni&) = delete;

    const std::string& InstallFolder() const { return installFolder_; }
    const std::string& ConfigFolder() const { return configFolder_; }
    const std::string& ProfileType() const { return profileType_; }
    const std::string& UserName() const { return userName_; }
    const std::string& UICodePage() const { return uiCodePage_; }
    const std::string& DBCodePage() const { return dbCodePage_; }
    const std::string& SystemCodePage() const { return systemCodePage_; }
    uint8_t UIConversion() const { return uiConversion_; }
    uint8_t DataConversion() const { return dataConversion_; }
    bool SupportCallBack() const { return supportCallBack_; }
    const std::string& IniFileName() const { return iniFileName_; }
    // Empty, "E;000015" (no registry key) or "E;000016" (client without a server name).
    const std::string& ErrorCode() const { return errorCode_; }
    const std::vector<std::string>& WorkDLLPaths() const { return workDLLPaths_; }
    const std::string& Version() const { return version_; }
    // Whether the whole reading succeeded.
    bool ReadOk() const { return readOk_; }

protected:
    TZentorIni(const char* installValueName, const char* fileName, const char* defaultPackageFolder);
    // Runs the reading steps; derived constructors call it once.
    void Load();
    // Reads the keys of the file (step 5 of the reading).
    virtual void ReadKeys(const TIniFile& ini) = 0;
    // After the code pages are known (step 7); false stops the reading.
    virtual bool AfterKeys(const TIniFile& ini) { (void)ini; return true; }

    void ReadCodePages(const TIniFile& ini);
    void SetSupportCallBack(bool v) { supportCallBack_ = v; }
    void SetVersion(std::string v) { version_ = std::move(v); }
    void SetErrorCode(std::string code) { errorCode_ = std::move(code); }
    void KeepRawWorkDLLLines(const TIniFile& ini);

private:
    bool ReadRegistry();
    void ChooseConfigFile();
    void ComputeConversions();
    void ResolveWorkDLLPaths(const TIniFile& ini);

    const char* installValueName_;
    const char* fileName_;
    const char* defaultPackageFolder_;

    std::string installFolder_, configFolder_, profileType_ = "0", userName_ = "Default";
    std::string uiCodePage_ = "936", dbCodePage_ = "936", systemCodePage_;
    uint8_t uiConversion_ = 0, dataConversion_ = 0;
    bool supportCallBack_ = false;
    std::string iniFileName_, errorCode_, version_;
    std::vector<std::string> workDLLPaths_;
    bool readOk_ = false;
};

class TZentorIniC : public TZentorIni {
public:
    TZentorIniC();

    // Two dimensions: row 0 server names, row 1 ports, one column per server.
    const Variant& ServerList() const { return serverList_; }
    const std::string& LangType() const { return langType_; }
    const std::string& CreateGifBeforeSendEF() const { return createGifBeforeSendEF_; }
    const std::string& AutoCheckNewMsg() const { return autoCheckNewMsg_; }
    const std::string& CheckInterval() const { return checkInterval_; }
    const std::string& PopupMsg() const { return popupMsg_; }
    const std::string& LoginCheck() const { return loginCheck_; }

private:
    void ReadKeys(const TIniFile& ini) override;
    bool AfterKeys(const TIniFile& ini) override;

    Variant serverList_;
    std::string langType_ = "ENG", createGifBeforeSendEF_ = "Y";
    std::string autoCheckNewMsg_ = "1", checkInterval_ = "1", popupMsg_ = "1", loginCheck_ = "0";
    std::string computerNames_;
    int serverPort_ = 211;
};

class TZentorIniS : public TZentorIni {
public:
    TZentorIniS();

    // Rows 0..3 (main, temporary, server connection, "Ect" database) by columns 0..7.
    const Variant& DBSettings() const { return dbSettings_; }
    // 1 for an ORACLE main database, 2 for DB2, else 0.
    uint8_t DBKind() const { return dbKind_; }
    const std::string& SystemControlAddress() const { return systemControlAddress_; }
    const std::string& OtherSystemControlAddress() const { return otherSystemControlAddress_; }
    // Replaces the list's content with a copy of WorkDLLPaths.
    void GetWorkDLLPaths(std::vector<std::string>& list) const { list = WorkDLLPaths(); }

private:
    void ReadKeys(const TIniFile& ini) override;

    Variant dbSettings_;
    uint8_t dbKind_ = 0;
    std::string systemControlAddress_, otherSystemControlAddress_;
};

}  // namespace qvn
