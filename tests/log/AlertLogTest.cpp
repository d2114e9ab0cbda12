#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <stdexcept>

#include "log/AlertLog.h"
#include "platform/DateTime.h"
#include "platform/Exceptions.h"
#include "platform/OsUtils.h"
#include "support/TempDir.h"

namespace qvn {
namespace {

TDateTime FixedNow() { return EncodeDate(2024, 1, 31) + EncodeTime(13, 5, 9, 42).Value; }

// An installation folder in the registry stand-in and a pinned clock.
class AlertLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry_ = std::make_unique<test::ScopedEnv>(
            "QVN_REGISTRY", dir_.Write("registry.ini", "[HKEY_LOCAL_MACHINE\\Software\\QVN\\Zentor]\nClientPath=" +
                                                           dir_.Folder() + "zentor\\\n"));
        SetClock(&FixedNow);
    }
    void TearDown() override { SetClock(nullptr); }

    std::string Log(const std::string& name) const { return dir_.Read("zentor/Log/" + name); }

    test::TempDir dir_;
    std::unique_ptr<test::ScopedEnv> registry_;
};

TEST_F(AlertLogTest, FileNameFollowsTheRotationPeriod)
{
    const std::pair<const char*, const char*> cases[] = {
        {"D", "Alert_libstrs_20240131.log"}, {"M", "Alert_libstrs_202401.log"}, {"Y", "Alert_libstrs_2024.log"},
        {"d", "Alert_libstrs_20240131.log"}, {"", "Alert_libstrs_20240131.log"},
    };
    for (auto [period, file] : cases) {
        EXPECT_TRUE(WriteAlertLog("libstrs", std::string("period ") + period, period));
        EXPECT_NE(Log(file).find(std::string("period ") + period), std::string::npos) << period;
    }
    EXPECT_TRUE(WriteAlertLog("down.txt", "dotted", "D"));
    EXPECT_NE(Log("Alert_down.txt_20240131").find("dotted"), std::string::npos);
}

TEST_F(AlertLogTest, LinesAreStampedAndAppended)
{
    EXPECT_TRUE(WriteAlertLog("libstrs", "LINE[2735] first", "D"));
    EXPECT_TRUE(WriteAlertLog("libstrs", "second 100%", "D"));
    EXPECT_EQ(Log("Alert_libstrs_20240131.log"),
              "[2024/01/31 13:05:09:042] LINE[2735] first\r\n[2024/01/31 13:05:09:042] second 100%\r\n");
}

TEST_F(AlertLogTest, DateAndTimeSeparatorsComeFromTheProcessSettings)
{
    FormatSettings& fs = ProcessFormatSettings();
    const FormatSettings saved = fs;
    fs.DateSeparator = '-';
    fs.TimeSeparator = '.';
    EXPECT_TRUE(WriteAlertLog("sep", "x", "D"));
    fs = saved;
    EXPECT_EQ(Log("Alert_sep_20240131.log"), "[2024-01-31 13.05.09.042] x\r\n");
}

TEST_F(AlertLogTest, UnwritableFolderGivesFalseNotAnError)
{
    if (geteuid() == 0) {
        // Root writes anywhere; a file where the folder should be blocks it instead.
        dir_.Write("zentor/Log", "not a folder");
    } else {
        dir_.Write("zentor/keep", "");
        chmod((dir_.Folder() + "zentor").c_str(), 0500);
    }
    EXPECT_FALSE(WriteAlertLog("libstrs", "lost", "D"));
    EXPECT_FALSE(WriteGeneratorAlert("lost"));
}

TEST_F(AlertLogTest, ServerPathAndExecutableFolderAreTheFallbacks)
{
    test::ScopedEnv reg("QVN_REGISTRY", dir_.Write("server.ini", "[HKLM\\Software\\QVN\\Zentor]\nClientPath=\nServerPath=" +
                                                                   dir_.Folder() + "server/\n"));
    EXPECT_EQ(AlertLogFileName("x", "Y"), dir_.Folder() + "server/Log/Alert_x_2024.log");
    EXPECT_EQ(GetLogBasePath(), dir_.Folder() + "server/");

    test::ScopedEnv none("QVN_REGISTRY", "/nonexistent/registry.ini");
    EXPECT_EQ(AlertLogFileName("x", "Y"), ExtractFilePath(ExecutableFileName()) + "Log/Alert_x_2024.log");
    {
        test::ScopedEnv tmp("TMPDIR", dir_.Folder() + "tmp");
        EXPECT_EQ(GetLogBasePath(), dir_.Folder() + "tmp/");
    }
    {
        test::ScopedEnv tmp("TMPDIR", "/" + std::string(300, 'x'));
        EXPECT_EQ(GetLogBasePath(), "/tmp/");
    }
}

// The generator alert log read back without its time prefixes.
class ExceptionReportTest : public AlertLogTest {
protected:
    std::vector<std::string> ReportLines() const
    {
        std::string text = Log("Alert_Tarvisk_20240131.log");
        std::vector<std::string> lines;
        const std::string prefix = "[2024/01/31 13:05:09] ";
        size_t pos = 0;
        while (pos < text.size()) {
            size_t next = text.find("\r\n[", pos);
            std::string line = text.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
            if (next == std::string::npos && line.size() >= 2) line.resize(line.size() - 2);
            EXPECT_EQ(line.substr(0, prefix.size()), prefix);
            lines.push_back(line.substr(prefix.size()));
            pos = next == std::string::npos ? text.size() : next + 2;
        }
        return lines;
    }
};

TEST_F(ExceptionReportTest, HeaderOnlyWhenNothingElseIsGiven)
{
    WriteExceptionReport(nullptr, "  ", " ");
    EXPECT_EQ(ReportLines(), std::vector<std::string>{std::string(68, '-')});
}

TEST_F(ExceptionReportTest, ErrorLinesByKindOfException)
{
    const std::string dashes(34, '-');
    struct Case {
        std::function<void()> raise;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {[] { throw EDBEngineError("db", {{101, "first"}, {102, "second"}, {103, "third"}}); },
         {dashes + " on Place " + dashes, "讯息信息:", "EDBEngineError Error 01: Code: 101, Message: first",
          "EDBEngineError Error 02: Code: 102, Message: second", "EDBEngineError Error 03: Code: 103, Message: third",
          "ErrorMessage Count: 3", "Programer Message: 解析 Sa 时发生错误!"}},
        {[] { throw EWin32Error("Access denied", 5); },
         {dashes + " on Place " + dashes, "讯息信息:", "EWin32Error Error 01: Code: 5, Message: Access denied",
          "ErrorMessage Count: 1", "Programer Message: 解析 Sa 时发生错误!"}},
        {[] { throw EInOutError("Disk full", 112); },
         {dashes + " on Place " + dashes, "讯息信息:", "EInOutError Error 01: Code: 112, Message: Disk full",
          "ErrorMessage Count: 1", "Programer Message: 解析 Sa 时发生错误!"}},
        {[] { throw EConvertError("'%d' is 100% wrong"); },
         {dashes + " on Place " + dashes, "讯息信息:", "Exception is EConvertError\r\nMessage 01: '%d' is 100% wrong",
          "ErrorMessage Count: 1", "Programer Message: 解析 Sa 时发生错误!"}},
        {[] { throw std::runtime_error("plain"); },
         {dashes + " on Place " + dashes, "讯息信息:", "Exception is std::runtime_error\r\nMessage 01: plain",
          "ErrorMessage Count: 1", "Programer Message: 解析 Sa 时发生错误!"}},
    };
    for (const auto& c : cases) {
        std::remove((dir_.Folder() + "zentor/Log/Alert_Tarvisk_20240131.log").c_str());
        try {
            c.raise();
        } catch (const std::exception& e) {
            WriteExceptionReport(&e, "Place", "解析 Sa 时发生错误!");
        }
        EXPECT_EQ(ReportLines(), c.expected);
    }
}

}  // namespace
}  // namespace qvn
