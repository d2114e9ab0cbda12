#pragma once
// An edit mask "mask;save;blank": the mask proper, then "0" when the text
// leaves the literal characters out (anything else keeps them; the default
// keeps them), then the character shown in empty places (default '_').
//
// Mask characters: 0 digit (required), 9 digit, # digit or sign, L letter
// (required), l letter, A letter or digit (required), a letter or digit, C any
// character (required), c any character; > upper-cases and < lower-cases what
// follows, <> ends that; ! keeps optional places as leading instead of
// trailing blanks; \ makes the next character a literal; _ is a literal
// blank; every other character is a literal.
//
// The edit text is the full display: every place filled or blank, literals
// in their places. The text the edit reports is the edit text with blanks
// as spaces when literals are saved, otherwise the filled characters only
// (trailing empty places dropped, or leading ones with !).

#include <string>
#include <string_view>
#include <vector>

namespace qvn {

class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(std::string_view mask);

    const std::string& MaskText() const { return text_; }
    // False for an empty mask (or one without places): the edit is then a plain edit.
    bool IsMasked() const { return !places_.empty(); }
    bool SavesLiterals() const { return saveLiterals_; }
    char Blank() const { return blank_; }
    bool LeadingBlanks() const { return reverse_; }
    // Number of places, literals included: the length of every edit text.
    int Length() const { return static_cast<int>(places_.size()); }

    // The edit text with nothing typed: blanks and literals.
    std::string BlankEditText() const;
    // Fits text into the places. With literals, characters equal to the
    // literal at a literal's place are taken as that literal; a blank or the
    // blank character leaves a place empty; a character a place cannot take
    // is dropped. Without literals the characters fill the places in order
    // (right-aligned with !).
    std::string FormatText(std::string_view text, bool withLiterals) const;
    // The text the edit reports for an edit text (see the file comment).
    std::string ReportedText(std::string_view editText) const;
    // The filled characters of an edit text, without literals.
    std::string DataText(std::string_view editText) const;
    // True when every required place is filled; otherwise the first empty one in errorPos.
    bool Validate(std::string_view editText, int& errorPos) const;

private:
    enum class Kind { Literal, Digit, DigitSign, Letter, AlphaNum, Any };
    struct Place {
        Kind kind = Kind::Literal;
        bool required = false;
        char literal = 0;
        int letterCase = 0;  // 0 as typed, 1 upper, 2 lower
    };
    bool Accept(const Place& place, char& c) const;
    std::string Fill(std::string_view text, bool withLiterals, bool backwards) const;

    std::string text_;
    std::vector<Place> places_;
    bool saveLiterals_ = true;
    char blank_ = '_';
    bool reverse_ = false;
};

}  // namespace qvn
