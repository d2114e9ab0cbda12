#include "lang/XmlFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/CodePage.h"
#include "platform/Format.h"

namespace qvn {
namespace {

// Language files are small; anything beyond this is not one.
constexpr std::streamoff kMaxXmlFileSize = 64 * 1024 * 1024;

bool HasUnicodeSignature(std::string_view b)
{
    return b.substr(0, 3) == "\xEF\xBB\xBF" || b.substr(0, 2) == "\xFF\xFE" || b.substr(0, 2) == "\xFE\xFF" ||
           (b.size() >= 2 && (b[0] == '\0' || b[1] == '\0'));  // UTF-16 without a signature
}

XmlLoadResult Parse(const void* data, size_t size, pugi::xml_encoding encoding, pugi::xml_document& doc)
{
    const pugi::xml_parse_result r = doc.load_buffer(data, size, pugi::parse_default | pugi::parse_declaration, encoding);
    if (r) return {true, {}};
    return {false, Format("%s (offset %d)", {r.description(), static_cast<int64_t>(r.offset)})};
}

}  // namespace

std::string DeclaredXmlEncoding(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (bytes.substr(0, 5) != "<?xml") return {};
    const size_t end = bytes.find("?>");
    const std::string_view decl = bytes.substr(0, end == std::string_view::npos ? std::min<size_t>(bytes.size(), 256) : end);
    const size_t key = decl.find("encoding");
    if (key == std::string_view::npos) return {};
    size_t pos = decl.find_first_of("\"'", key);
    if (pos == std::string_view::npos) return {};
    const char quote = decl[pos];
    const size_t close = decl.find(quote, pos + 1);
    if (close == std::string_view::npos) return {};
    return std::string(decl.substr(pos + 1, close - pos - 1));
}

XmlLoadResult LoadXmlText(std::string_view bytes, pugi::xml_document& doc)
{
    doc.reset();
    if (HasUnicodeSignature(bytes)) return Parse(bytes.data(), bytes.size(), pugi::encoding_auto, doc);
    const std::string declared = DeclaredXmlEncoding(bytes);
    const int codePage = declared.empty() ? CP_UTF8 : CodePageFromCharsetName(declared);
    if (codePage == CP_UTF8) return Parse(bytes.data(), bytes.size(), pugi::encoding_utf8, doc);
    if (codePage == 1200 || codePage == 1201) return Parse(bytes.data(), bytes.size(), pugi::encoding_auto, doc);
    if (codePage == 0 || !IsCodePageSupported(codePage)) return {false, "Unsupported encoding: " + declared};
    auto utf8 = ToWide(bytes, codePage, ConvertMode::Replace);
    if (!utf8) return {false, "Unsupported encoding: " + declared};
    return Parse(utf8->Utf8().data(), utf8->Utf8().size(), pugi::encoding_utf8, doc);
}

XmlLoadResult LoadXmlFile(const std::string& fileName, pugi::xml_document& doc)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return {false, "Cannot open file " + fileName};
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxXmlFileSize) return {false, "File too large: " + fileName};
    in.seekg(0);
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), size);
    if (!in) return {false, "Cannot read file " + fileName};
    return LoadXmlText(bytes, doc);
}

}  // namespace qvn
