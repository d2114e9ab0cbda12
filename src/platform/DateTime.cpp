#include "platform/DateTime.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "platform/CodePage.h"
#include "platform/Exceptions.h"

namespace qvn {

namespace {

constexpr int64_t MSecsPerDay = 86400000;
// Day number of 1899-12-30 counted from 0001-01-01 = day 1.
constexpr int64_t DateDelta = 693594;
// Largest day value we decode (keeps the millisecond count well inside int64).
constexpr double MaxDecodableDays = 1.0e9;

constexpr int MonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

const char* const ShortMonthNames[13] = {"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LongMonthNames[13] = {"",     "January", "February",  "March",   "April",    "May",     "June",
                                        "July", "August",  "September", "October", "November", "December"};
const char* const ShortDayNames[8] = {"", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const LongDayNames[8] = {"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// The platform's time stamp: a day number from 0001-01-01 (= 1) and the
// milliseconds of the day. Before 1899 the integer part of the value is the
// day and the absolute fraction is the time.
struct TimeStamp {
    int64_t Date = 0;
    int64_t Time = 0;
};

bool ToTimeStamp(TDateTime d, TimeStamp& out)
{
    if (!std::isfinite(d.Value) || std::fabs(d.Value) > MaxDecodableDays) return false;
    const auto ms = static_cast<int64_t>(std::nearbyint(d.Value * static_cast<double>(MSecsPerDay)));
    out.Date = DateDelta + ms / MSecsPerDay;  // truncates towards zero, as the platform does
    out.Time = (ms < 0 ? -ms : ms) % MSecsPerDay;
    return true;
}

std::atomic<ClockFunction> g_clock{nullptr};

TDateTime SystemNow()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    const TDateTime date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // A leap second (tm_sec 60) is folded into the last regular second.
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
    const TDateTime time = EncodeTime(local.tm_hour, local.tm_min, second, static_cast<int>(ts.tv_nsec / 1000000));
    return TDateTime(date.Value + time.Value);
}

bool HasLeadBytes()
{
    const int cp = ProcessCodePage();
    return cp == 932 || cp == 936 || cp == 949 || cp == 950;
}

// Length of the character starting at s[i]: two for a lead byte of a
// double-byte code page followed by a trail byte, else one.
size_t CharLength(std::string_view s, size_t i, bool leadBytes)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (leadBytes && c >= 0x81 && c <= 0xFE && i + 1 < s.size()) return 2;
    return 1;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool StartsWithNoCase(std::string_view s, size_t pos, std::string_view prefix)
{
    if (s.size() - pos < prefix.size()) return false;
    for (size_t k = 0; k < prefix.size(); ++k)
        if (UpperAscii(s[pos + k]) != UpperAscii(prefix[k])) return false;
    return true;
}

std::string ZeroPadded(int64_t number, int digits)
{
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < digits) text.insert(0, static_cast<size_t>(digits) - text.size(), '0');
    return text;
}

// Writes a date after the platform's format tokens.
class DateTimeFormatter {
public:
    DateTimeFormatter(TDateTime value, const FormatSettings& fs) : value_(value), fs_(fs), leadBytes_(HasLeadBytes())
    {
        TimeStamp ts;
        if (ToTimeStamp(value, ts)) {
            date_ = DecodeDate(value);
            time_ = DecodeTime(value);
        }
    }

    std::string Run(std::string_view format)
    {
        Append(format.empty() ? std::string_view("C") : format);
        return out_;
    }

private:
    // Nested formats (ddddd, c, t) may name further formats; two levels are enough
    // and stop a settings format that names itself.
    static constexpr int MaxNesting = 2;

    void Append(std::string_view f)
    {
        if (level_ >= MaxNesting) return;
        ++level_;
        char lastToken = ' ';
        bool use12Hour = false;
        size_t i = 0;
        while (i < f.size()) {
            const size_t charLen = CharLength(f, i, leadBytes_);
            if (charLen == 2) {
                out_.append(f.substr(i, 2));
                i += 2;
                lastToken = ' ';
                continue;
            }
            const char starter = f[i++];
            char token = UpperAscii(starter);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            switch (token) {
            case 'Y': {
                const int count = Count(f, i, starter);
                if (count <= 2) out_ += ZeroPadded(date_.Year % 100, 2);
                else out_ += ZeroPadded(date_.Year, 4);
                break;
            }
            case 'M': {
                const int count = Count(f, i, starter);
                if (count <= 2) out_ += ZeroPadded(date_.Month, count);
                else if (date_.Month >= 1 && date_.Month <= 12)
                    out_ += count == 3 ? ShortMonthNames[date_.Month] : LongMonthNames[date_.Month];
                break;
            }
            case 'D': {
                const int count = Count(f, i, starter);
                if (count <= 2) out_ += ZeroPadded(date_.Day, count);
                else if (count == 3) out_ += ShortDayNames[DayOfWeek(value_)];
                else if (count == 4) out_ += LongDayNames[DayOfWeek(value_)];
                else if (count == 5) Append(fs_.ShortDateFormat);
                else Append(fs_.LongDateFormat);
                break;
            }
            case 'H': {
                const int count = Count(f, i, starter);
                if (!use12Hour) use12Hour = AmPmFollows(f, i);
                int hour = time_.Hour;
                if (use12Hour) {
                    if (hour == 0) hour = 12;
                    else if (hour > 12) hour -= 12;
                }
                out_ += ZeroPadded(hour, count > 2 ? 2 : count);
                break;
            }
            case 'N': {
                const int count = Count(f, i, starter);
                out_ += ZeroPadded(time_.Minute, count > 2 ? 2 : count);
                break;
            }
            case 'S': {
                const int count = Count(f, i, starter);
                out_ += ZeroPadded(time_.Second, count > 2 ? 2 : count);
                break;
            }
            case 'Z': {
                const int count = Count(f, i, starter);
                out_ += ZeroPadded(time_.Millisecond, count > 3 ? 3 : count);
                break;
            }
            case 'T': {
                const int count = Count(f, i, starter);
                Append(count == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat);
                break;
            }
            case 'A':
                AppendAmPm(f, i, starter, use12Hour);
                break;
            case 'C':
                Count(f, i, starter);
                Append(fs_.ShortDateFormat);
                if (time_.Hour != 0 || time_.Minute != 0 || time_.Second != 0) {
                    out_ += ' ';
                    Append(fs_.LongTimeFormat);
                }
                break;
            case '/':
                if (fs_.DateSeparator != '\0') out_ += fs_.DateSeparator;
                break;
            case ':':
                if (fs_.TimeSeparator != '\0') out_ += fs_.TimeSeparator;
                break;
            case '\'':
            case '"':
                AppendQuoted(f, i, starter);
                break;
            default:
                out_ += starter;
                break;
            }
        }
        --level_;
    }

    // Number of repetitions of the starter (itself included); moves past them.
    static int Count(std::string_view f, size_t& i, char starter)
    {
        int count = 1;
        while (i < f.size() && f[i] == starter) {
            ++i;
            ++count;
        }
        return count;
    }

    // An hour uses the 12-hour clock when an am/pm token follows before the next hour token.
    bool AmPmFollows(std::string_view f, size_t i) const
    {
        bool betweenQuotes = false;
        while (i < f.size()) {
            if (CharLength(f, i, leadBytes_) == 2) {
                i += 2;
                continue;
            }
            const char c = f[i];
            if ((c == 'A' || c == 'a') && !betweenQuotes)
                return StartsWithNoCase(f, i, "AM/PM") || StartsWithNoCase(f, i, "A/P") || StartsWithNoCase(f, i, "AMPM");
            if ((c == 'H' || c == 'h') && !betweenQuotes) return false;
            if (c == '\'' || c == '"') betweenQuotes = !betweenQuotes;
            ++i;
        }
        return false;
    }

    void AppendAmPm(std::string_view f, size_t& i, char starter, bool& use12Hour)
    {
        const size_t start = i - 1;
        const bool pm = time_.Hour >= 12;
        if (StartsWithNoCase(f, start, "AM/PM")) {
            out_.append(f.substr(start + (pm ? 3 : 0), 2));
            i = start + 5;
            use12Hour = true;
        } else if (StartsWithNoCase(f, start, "A/P")) {
            out_.append(f.substr(start + (pm ? 2 : 0), 1));
            i = start + 3;
            use12Hour = true;
        } else if (StartsWithNoCase(f, start, "AMPM")) {
            out_ += pm ? fs_.TimePMString : fs_.TimeAMString;
            i = start + 4;
            use12Hour = true;
        } else if (StartsWithNoCase(f, start, "AAAA")) {
            out_ += LongDayNames[DayOfWeek(value_)];
            i = start + 4;
        } else if (StartsWithNoCase(f, start, "AAA")) {
            out_ += ShortDayNames[DayOfWeek(value_)];
            i = start + 3;
        } else {
            out_ += starter;
        }
    }

    void AppendQuoted(std::string_view f, size_t& i, char quote)
    {
        const size_t start = i;
        while (i < f.size() && f[i] != quote) i += CharLength(f, i, leadBytes_);
        out_.append(f.substr(start, i - start));
        if (i < f.size()) ++i;
    }

    TDateTime value_;
    const FormatSettings& fs_;
    bool leadBytes_;
    DateParts date_;
    TimeParts time_;
    std::string out_;
    int level_ = 0;
};

// Reader of date and time texts, after the platform's scanner: blanks are
// skipped before every number and separator.
class DateTimeScanner {
public:
    DateTimeScanner(std::string_view text, const FormatSettings& fs) : s_(text), fs_(fs) {}

    size_t Pos() const { return pos_; }
    void Reset() { pos_ = 0; }
    bool AtEnd() const { return pos_ >= s_.size(); }

    bool ScanDate(TDateTime& date)
    {
        int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l3 = 0, l2 = 0;
        if (!(ScanNumber(n1, l1) && ScanChar(fs_.DateSeparator) && ScanNumber(n2, l2))) return false;
        int y = 0, m = 0, d = 0;
        const DateOrder order = OrderOf(fs_.ShortDateFormat);
        if (ScanChar(fs_.DateSeparator)) {
            if (!ScanNumber(n3, l3)) return false;
            int yearLength = 0;
            switch (order) {
            case DateOrder::MDY: y = n3; yearLength = l3; m = n1; d = n2; break;
            case DateOrder::DMY: y = n3; yearLength = l3; m = n2; d = n1; break;
            case DateOrder::YMD: y = n1; yearLength = l1; m = n2; d = n3; break;
            }
            if (yearLength <= 2) y = WidenTwoDigitYear(y);
        } else {
            y = DecodeDate(Now()).Year;
            if (order == DateOrder::DMY) { d = n1; m = n2; }
            else { m = n1; d = n2; }
        }
        ScanChar(fs_.DateSeparator);
        ScanBlanks();
        return TryEncodeDate(y, m, d, date);
    }

    bool ScanTime(TDateTime& time)
    {
        int baseHour = ScanAmPm();
        if (baseHour >= 0) ScanBlanks();
        int hour = 0, minute = 0, second = 0, msec = 0, length = 0;
        if (!ScanNumber(hour, length)) return false;
        if (ScanChar(fs_.TimeSeparator)) {
            if (!ScanNumber(minute, length)) return false;
            if (ScanChar(fs_.TimeSeparator)) {
                if (!ScanNumber(second, length)) return false;
                if (ScanChar(fs_.DecimalSeparator) && !ScanNumber(msec, length)) return false;
            }
        }
        if (baseHour < 0) baseHour = ScanAmPm();
        if (baseHour >= 0) {
            if (hour == 0 || hour > 12) return false;
            if (hour == 12) hour = 0;
            hour += baseHour;
        }
        ScanBlanks();
        return TryEncodeTime(hour, minute, second, msec, time);
    }

private:
    enum class DateOrder { MDY, DMY, YMD };

    static DateOrder OrderOf(std::string_view format)
    {
        for (char c : format) {
            switch (UpperAscii(c)) {
            case 'E':
            case 'Y': return DateOrder::YMD;
            case 'M': return DateOrder::MDY;
            case 'D': return DateOrder::DMY;
            default: break;
            }
        }
        return DateOrder::MDY;
    }

    // A two-digit year lies within 50 years of the current year.
    static int WidenTwoDigitYear(int year)
    {
        constexpr int CenturyWindow = 50;
        const int centuryBase = DecodeDate(Now()).Year - CenturyWindow;
        year += centuryBase / 100 * 100;
        if (year < centuryBase) year += 100;
        return year;
    }

    void ScanBlanks()
    {
        while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
    }

    // At most four digits are read, as the platform's scanner does.
    bool ScanNumber(int& value, int& length)
    {
        ScanBlanks();
        const size_t start = pos_;
        int n = 0;
        while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9' && n < 1000) {
            n = n * 10 + (s_[pos_] - '0');
            ++pos_;
        }
        if (pos_ == start) return false;
        value = n;
        length = static_cast<int>(pos_ - start);
        return true;
    }

    bool ScanChar(char c)
    {
        ScanBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool ScanString(std::string_view word)
    {
        if (word.empty()) return false;
        ScanBlanks();
        if (!StartsWithNoCase(s_, pos_, word)) return false;
        pos_ += word.size();
        return true;
    }

    // 0 for a morning marker, 12 for an afternoon one, -1 for none.
    int ScanAmPm()
    {
        if (ScanString(fs_.TimeAMString) || ScanString("AM")) return 0;
        if (ScanString(fs_.TimePMString) || ScanString("PM")) return 12;
        return -1;
    }

    std::string_view s_;
    const FormatSettings& fs_;
    size_t pos_ = 0;
};

bool TryStrToTimeOnly(std::string_view text, TDateTime& out, const FormatSettings& fs)
{
    DateTimeScanner scanner(text, fs);
    TDateTime time;
    if (!scanner.ScanTime(time) || !scanner.AtEnd()) return false;
    out = time;
    return true;
}

}  // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0) && ((year % 100 != 0) || (year % 400 == 0));
}

int DaysInAMonth(int year, int month)
{
    if (month < 1 || month > 12) return 0;
    return MonthDays[IsLeapYear(year) ? 1 : 0][month];
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInAMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out)
{
    if (!IsValidDate(year, month, day)) return false;
    const int leap = IsLeapYear(year) ? 1 : 0;
    int64_t dayOfYear = day;
    for (int m = 1; m < month; ++m) dayOfYear += MonthDays[leap][m];
    const int64_t y = year - 1;
    out = TDateTime(static_cast<double>(y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - DateDelta));
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& out)
{
    if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 || millisecond < 0 ||
        millisecond >= 1000)
        return false;
    const int64_t ms = ((static_cast<int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
    out = TDateTime(static_cast<double>(ms) / static_cast<double>(MSecsPerDay));
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result)) throw EConvertError("Invalid argument to date encode");
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    TDateTime result;
    if (!TryEncodeTime(hour, minute, second, millisecond, result))
        throw EConvertError("Invalid argument to time encode");
    return result;
}

DateParts DecodeDate(TDateTime d)
{
    TimeStamp ts;
    if (!ToTimeStamp(d, ts) || ts.Date <= 0) return {};
    constexpr int64_t D1 = 365;
    constexpr int64_t D4 = D1 * 4 + 1;
    constexpr int64_t D100 = D4 * 25 - 1;
    constexpr int64_t D400 = D100 * 4 + 1;
    int64_t t = ts.Date - 1;
    int64_t year = 1 + (t / D400) * 400;
    t %= D400;
    int64_t i = t / D100;
    int64_t rest = t % D100;
    if (i == 4) {
        --i;
        rest += D100;
    }
    year += i * 100;
    year += (rest / D4) * 4;
    rest %= D4;
    i = rest / D1;
    rest %= D1;
    if (i == 4) {
        --i;
        rest += D1;
    }
    year += i;
    DateParts parts;
    parts.Year = static_cast<int>(year);
    const int leap = IsLeapYear(parts.Year) ? 1 : 0;
    int month = 1;
    while (rest >= MonthDays[leap][month]) {
        rest -= MonthDays[leap][month];
        ++month;
    }
    parts.Month = month;
    parts.Day = static_cast<int>(rest) + 1;
    return parts;
}

TimeParts DecodeTime(TDateTime d)
{
    TimeStamp ts;
    if (!ToTimeStamp(d, ts)) return {};
    TimeParts parts;
    parts.Millisecond = static_cast<int>(ts.Time % 1000);
    const int64_t seconds = ts.Time / 1000;
    parts.Second = static_cast<int>(seconds % 60);
    parts.Minute = static_cast<int>(seconds / 60 % 60);
    parts.Hour = static_cast<int>(seconds / 3600);
    return parts;
}

int DayOfWeek(TDateTime d)
{
    TimeStamp ts;
    if (!ToTimeStamp(d, ts)) return 1;
    const int64_t r = ts.Date % 7;
    return static_cast<int>(r < 0 ? r + 7 : r) + 1;
}

TDateTime DateOf(TDateTime d)
{
    return TDateTime(std::trunc(d.Value));
}

TDateTime TimeOf(TDateTime d)
{
    return TDateTime(d.Value - std::trunc(d.Value));
}

TDateTime Now()
{
    const ClockFunction clock = g_clock.load();
    return clock ? clock() : SystemNow();
}

TDateTime Today()
{
    return DateOf(Now());
}

void SetClock(ClockFunction clock)
{
    g_clock.store(clock);
}

std::string FormatDateTime(std::string_view format, TDateTime d, const FormatSettings& fs)
{
    return DateTimeFormatter(d, fs).Run(format);
}

std::string DateTimeToStr(TDateTime d, const FormatSettings& fs)
{
    return FormatDateTime("", d, fs);
}

std::string DateToStr(TDateTime d, const FormatSettings& fs)
{
    return FormatDateTime("ddddd", d, fs);
}

bool TryStrToDateTime(std::string_view text, TDateTime& out, const FormatSettings& fs)
{
    DateTimeScanner scanner(text, fs);
    TDateTime date;
    if (scanner.ScanDate(date)) {
        if (scanner.AtEnd()) {
            out = date;
            return true;
        }
        TDateTime time;
        if (scanner.ScanTime(time) && scanner.AtEnd()) {
            // Before 1899 the fraction counts away from zero, as the time stamp reads it.
            out = TDateTime(date.Value >= 0 ? date.Value + time.Value : date.Value - time.Value);
            return true;
        }
    }
    return TryStrToTimeOnly(text, out, fs);
}

TDateTime StrToDateTime(std::string_view text, const FormatSettings& fs)
{
    TDateTime result;
    if (!TryStrToDateTime(text, result, fs)) throw EConvertError("'" + std::string(text) + "' is not a valid date");
    return result;
}

}  // namespace qvn
