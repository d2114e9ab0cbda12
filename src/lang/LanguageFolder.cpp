#include "lang/LanguageFolder.h"

#include <memory>

#include "lang/XmlFile.h"
#include "platform/CodePage.h"
#include "platform/OsUtils.h"

namespace qvn {
namespace {

std::string LanguageOfCodePage(std::string_view codePage)
{
    if (codePage == "936") return "CHS";
    if (codePage == "950") return "CHT";
    if (codePage == "437") return "ENG";
    return {};
}

std::unique_ptr<TZentorIni> ReadConfiguration(TDesignType designType)
{
    if (designType == TDesignType::dtServer) return std::make_unique<TZentorIniS>();
    return std::make_unique<TZentorIniC>();
}

}  // namespace

std::string GetLanguageFolder(TDesignType designType)
{
    const auto ini = ReadConfiguration(designType);
    const std::string language = LanguageOfCodePage(ini->UICodePage());
    if (language.empty()) return {};
    const std::string folder = ini->InstallFolder() + "MultiLanguage/" + language + "/";
    return DirectoryExists(folder) ? folder : std::string();
}

std::string ReadLangMsg(TDesignType designType, std::string_view fileName, std::string_view msgId,
                        const std::string& defaultText)
{
    try {
        const std::string file = GetLanguageFolder(designType) + std::string(fileName) + ".Lng";
        if (!FileExists(file) || msgId.empty()) return defaultText;
        pugi::xml_document doc;
        if (!LoadXmlFile(file, doc).Ok) return defaultText;
        // The first element of that name anywhere in the document, the root included.
        const std::string name(msgId);
        const pugi::xml_node element =
            doc.find_node([&](pugi::xml_node n) { return n.type() == pugi::node_element && name == n.name(); });
        if (!element) return defaultText;
        const pugi::xml_attribute msg = element.attribute("Msg");
        if (!msg) return defaultText;
        return WideToAnsi(WideString::FromUtf8(msg.value()));
    } catch (...) {
        return defaultText;
    }
}

}  // namespace qvn
