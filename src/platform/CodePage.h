#pragma once
// The one module through which every code-page conversion goes. It sits on
// iconv; conversion handles are opened once per thread and reused.

#include <optional>
#include <string>
#include <string_view>

#include "platform/Strings.h"

namespace qvn {

constexpr int CP_GBK = 936;
constexpr int CP_BIG5 = 950;
constexpr int CP_OEM_US = 437;
constexpr int CP_LATIN1 = 1252;
constexpr int CP_UTF8 = 65001;

// The process (system) code page: QVN_ACP when set, else derived from the
// locale's character set (GB2312/GBK/GB18030 -> 936, Big5 -> 950, UTF-8 or
// unknown -> 936, others -> their Windows number). Read once per process.
int ProcessCodePage();
// For tests and the executable: force the process code page (0 = read again).
void SetProcessCodePage(int codePage);

// "936", "950", or "437" for anything else.
std::string SystemCodePageText();

// The iconv name of a Windows code page number; empty when it has none.
std::string IconvCharsetName(int codePage);
// The Windows code page number of a character-set name (as a locale or an XML
// declaration writes it); 0 when unknown.
int CodePageFromCharsetName(std::string_view name);

// Whether iconv can convert this code page at all.
bool IsCodePageSupported(int codePage);

enum class ConvertMode {
    Strict,   // any unconvertible or invalid input fails the conversion
    Replace,  // unconvertible characters become '?' (U+FFFD towards Unicode)
};

// Unicode -> code page. Nothing (nullopt) when the code page is unknown, or in
// Strict mode when a character has no mapping.
std::optional<AnsiString> FromWide(const WideString& text, int codePage, ConvertMode mode = ConvertMode::Replace);
// Code page -> Unicode. Nothing when the code page is unknown, or in Strict
// mode when the bytes are not valid in that code page.
std::optional<WideString> ToWide(std::string_view text, int codePage, ConvertMode mode = ConvertMode::Replace);

// Plain conversions in the process code page (never fail; replace what cannot be converted).
AnsiString WideToAnsi(const WideString& text);
WideString AnsiToWide(std::string_view text);

// Text shown outside the module (terminal): from the process code page to UTF-8.
std::string AnsiToUtf8(std::string_view text);

}  // namespace qvn
