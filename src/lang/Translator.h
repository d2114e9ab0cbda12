#pragma once
// The binding to the suite's language library, which converts whole texts
// between GB and Big5. Loaded by name when constructed (raising when it cannot
// be, so no half-built translator exists) and unloaded when freed.

#include <string>
#include <string_view>

#include "platform/DynamicLibrary.h"

namespace qvn {

inline constexpr char kLanguageLibraryName[] = "Qvlanguage.dll";

class TTranslator {
public:
    // Raises Exception "Load Library Qvlanguage.dll Error!" or
    // "Get Library Procedure Address Error!".
    TTranslator();
    ~TTranslator() = default;
    TTranslator(const TTranslator&) = delete;
    TTranslator& operator=(const TTranslator&) = delete;

    std::string GBToBig5(std::string_view text) const;
    std::string Big5ToGB(std::string_view text) const;

private:
    using ConvertFn = int (*)(const char*, int, char*, int);
    void Load();
    static std::string Call(ConvertFn fn, std::string_view text);

    DynamicLibrary library_;
    ConvertFn gbToBig5_ = nullptr;
    ConvertFn big5ToGB_ = nullptr;
};

}  // namespace qvn
