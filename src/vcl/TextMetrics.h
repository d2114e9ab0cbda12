#pragma once
// Text measuring goes through this interface so layout does not depend on a
// display. The headless metrics are deterministic:
//   em height   = -Font.Height when negative, else Font.Height * 5 / 6
//   text height = em * 6 / 5, rounded (13 for the default font)
//   char width  = (em * 5 + 5) / 11, at least 1 (5 for the default font), one more when bold
//   text width  = char width * number of bytes (a double-byte character counts twice,
//                 as full-width characters are about twice as wide)

#include <string_view>

namespace qvn {

class TFont;

class ITextMetrics {
public:
    virtual ~ITextMetrics() = default;
    virtual int TextWidth(const TFont& font, std::string_view text) const = 0;
    virtual int TextHeight(const TFont& font, std::string_view text) const = 0;
};

// The fixed-rule metrics described above.
class THeadlessTextMetrics : public ITextMetrics {
public:
    int TextWidth(const TFont& font, std::string_view text) const override;
    int TextHeight(const TFont& font, std::string_view text) const override;
    static int AverageCharWidth(const TFont& font);
};

// The metrics in use (the headless ones unless a backend installed its own).
const ITextMetrics& CurrentTextMetrics();
// Installs metrics (not owned; nullptr restores the headless ones).
void SetTextMetrics(const ITextMetrics* metrics);

}  // namespace qvn
