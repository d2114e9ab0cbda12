#pragma once
// Alert logs: plain-text files under the suite's "Log" folder, one line per
// failure inside a library routine. Every call opens, appends and closes, and
// never raises; a line that cannot be written is lost and the call answers false.

#include <exception>
#include <string>
#include <string_view>

namespace qvn {

// base/Log/Alert_<LogName>_<stamp>[.log]; Period "D" (or anything unknown) stamps
// YYYYMMDD, "M" YYYYMM, "Y" YYYY. The base is the installation folder, else the
// folder of the running executable.
bool WriteAlertLog(std::string_view logName, std::string_view text, std::string_view period);

// The installation folder, else the temporary folder, else "/tmp/"; ends with '/'.
std::string GetLogBasePath();

// One line in base/Log/Alert_Tarvisk_<YYYYMMDD>.log, stamped in the short date
// and long time format of the process settings.
bool WriteGeneratorAlert(std::string_view text);

// A report block in the generator alert log: a header naming the place, the
// error lines by the kind of the exception (absent: none), and the programmer's
// message when it is not blank.
void WriteExceptionReport(const std::exception* error, std::string_view place, std::string_view programmerMessage);

// The folder and file an alert log line goes to (exposed so callers and tests
// can find the file).
std::string AlertLogFileName(std::string_view logName, std::string_view period);
std::string GeneratorAlertFileName();

}  // namespace qvn
