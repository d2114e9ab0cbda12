#pragma once
// The process settings for formatting numbers, dates and times: one set per
// process, as the platform keeps them for every program.

#include <string>

namespace qvn {

struct FormatSettings {
    char DateSeparator = '/';
    char TimeSeparator = ':';
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    std::string ShortDateFormat = "yyyy/mm/dd";
    std::string LongDateFormat = "yyyy/mm/dd";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string CurrencyString = "\xA3\xA4";  // the full-width yuan sign in GB
    // 0 = $1, 1 = 1$, 2 = $ 1, 3 = 1 $ (positive); the negative form puts '-' before.
    int CurrencyFormat = 0;
    int CurrencyDecimals = 2;
};

// The process settings (mutable: the executable and tests may set them).
FormatSettings& ProcessFormatSettings();

}  // namespace qvn
