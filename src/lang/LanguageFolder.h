#pragma once
// Where the language files of the chosen user-interface language live, and the
// message lookup in them.

#include <string>
#include <string_view>

#include "config/ZentorIni.h"

namespace qvn {

// InstallFolder + "MultiLanguage/" + CHS|CHT|ENG + "/" for UI code page 936|950|437;
// empty when the code page has no language or that folder does not exist.
std::string GetLanguageFolder(TDesignType designType);

// The "Msg" attribute of the first element named msgId in the language file
// fileName + ".Lng"; defaultText when the file is missing, unreadable, or holds
// no such attribute. Never raises.
std::string ReadLangMsg(TDesignType designType, std::string_view fileName, std::string_view msgId,
                        const std::string& defaultText);

}  // namespace qvn
