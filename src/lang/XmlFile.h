#pragma once
// Loading of XML files in any encoding they declare. pugixml reads UTF-8 and
// UTF-16 itself; a file declared in a code page (GB2312 as 936, Big5 as 950,
// ...) is read in that code page first. The texts of the loaded document are
// UTF-8.

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace qvn {

struct XmlLoadResult {
    bool Ok = false;
    std::string Reason;  // the parser's reason when not Ok (process code page)
};

XmlLoadResult LoadXmlText(std::string_view bytes, pugi::xml_document& doc);
XmlLoadResult LoadXmlFile(const std::string& fileName, pugi::xml_document& doc);

// The encoding named by the XML declaration at the start of bytes ("" when none).
std::string DeclaredXmlEncoding(std::string_view bytes);

}  // namespace qvn
