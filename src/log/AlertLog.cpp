#include "log/AlertLog.h"

#include <cxxabi.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "platform/DateTime.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "platform/IniFile.h"
#include "platform/OsUtils.h"
#include "util/SystemPaths.h"

namespace qvn {
namespace {

constexpr size_t kMaxTempPathLength = 255;
constexpr char kLastResortBase[] = "/tmp/";
constexpr char kDashes[] = "----------------------------------";

std::string AlertLogBase()
{
    std::string base = GetZentorPath();
    if (base.empty()) base = ExtractFilePath(ExecutableFileName());
    return IncludeTrailingPathDelimiter(base);
}

std::string PeriodStamp(std::string_view period, TDateTime now)
{
    if (period == "M") return FormatDateTime("YYYYMM", now);
    if (period == "Y") return FormatDateTime("YYYY", now);
    return FormatDateTime("YYYYMMDD", now);
}

// Appends one line with a single write, so lines of programs sharing the file
// never interleave within a line.
bool AppendLine(const std::string& fileName, const std::string& line)
{
    if (!ForceDirectories(ExtractFilePath(fileName))) return false;
    int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const std::string data = line + "\r\n";
    size_t done = 0;
    bool ok = true;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) ok = false;
    return ok;
}

std::string ClassNameOf(const std::exception& e)
{
    if (auto* qe = dynamic_cast<const Exception*>(&e)) return qe->ClassName();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(typeid(e).name());
}

// The error lines of a report, and their count.
int WriteErrorLines(const std::exception& e)
{
    if (auto* db = dynamic_cast<const EDBEngineError*>(&e)) {
        for (int i = 0; i < db->ErrorCount(); ++i)
            WriteGeneratorAlert(Format("EDBEngineError Error %.2d: Code: %d, Message: %s",
                                       {i + 1, db->Errors(i).ErrorCode, db->Errors(i).Message}));
        return db->ErrorCount();
    }
    if (auto* os = dynamic_cast<const EOSError*>(&e)) {
        WriteGeneratorAlert(Format("EWin32Error Error %.2d: Code: %d, Message: %s", {1, os->ErrorCode, os->Message()}));
        return 1;
    }
    if (auto* io = dynamic_cast<const EInOutError*>(&e)) {
        WriteGeneratorAlert(Format("EInOutError Error %.2d: Code: %d, Message: %s", {1, io->ErrorCode, io->Message()}));
        return 1;
    }
    // The message is appended as plain text: it may hold '%' of its own.
    WriteGeneratorAlert(Format("Exception is %s\r\nMessage %.2d: ", {ClassNameOf(e), 1}) + e.what());
    return 1;
}

}  // namespace

std::string AlertLogFileName(std::string_view logName, std::string_view period)
{
    std::string name = AlertLogBase() + "Log/Alert_" + std::string(logName) + "_" + PeriodStamp(period, Now());
    if (logName.find('.') == std::string_view::npos) name += ".log";
    return name;
}

std::string GetLogBasePath()
{
    try {
        std::string base = GetZentorPath();
        if (base.empty()) {
            base = TempFolder();
            if (base.size() > kMaxTempPathLength) base.clear();
        }
        return base.empty() ? std::string(kLastResortBase) : IncludeTrailingPathDelimiter(base);
    } catch (...) {
        return kLastResortBase;
    }
}

std::string GeneratorAlertFileName()
{
    return GetLogBasePath() + "Log/Alert_Tarvisk_" + FormatDateTime("YYYYMMDD", Now()) + ".log";
}

bool WriteAlertLog(std::string_view logName, std::string_view text, std::string_view period)
{
    try {
        const std::string line = "[" + FormatDateTime("YYYY/MM/DD hh:nn:ss:zzz", Now()) + "] " + std::string(text);
        return AppendLine(AlertLogFileName(logName, period), line);
    } catch (...) {
        return false;
    }
}

bool WriteGeneratorAlert(std::string_view text)
{
    try {
        const std::string line = "[" + FormatDateTime("ddddd tt", Now()) + "] " + std::string(text);
        return AppendLine(GeneratorAlertFileName(), line);
    } catch (...) {
        return false;
    }
}

void WriteExceptionReport(const std::exception* error, std::string_view place, std::string_view programmerMessage)
{
    try {
        const std::string trimmedPlace = TrimText(place);
        if (trimmedPlace.empty())
            WriteGeneratorAlert(std::string(kDashes) + kDashes);
        else
            WriteGeneratorAlert(std::string(kDashes) + " on " + std::string(place) + " " + kDashes);
        if (error != nullptr) {
            WriteGeneratorAlert("讯息信息:");
            const int count = WriteErrorLines(*error);
            WriteGeneratorAlert(Format("ErrorMessage Count: %d", {count}));
        }
        if (!TrimText(programmerMessage).empty())
            WriteGeneratorAlert("Programer Message: " + std::string(programmerMessage));
    } catch (...) {
        // A report that cannot be written is lost; the caller goes on.
    }
}

}  // namespace qvn
