#include <gtest/gtest.h>

#include <filesystem>

#include "lang/LanguageFolder.h"
#include "lang/QVForm.h"
#include "platform/CodePage.h"
#include "support/ZentorFixture.h"
#include "vcl/Charsets.h"
#include "vcl/VclTestKit.h"

namespace qvn {
namespace {

// The language files the project ships, installed for each user-interface language.
class LanguageFilesTest : public test::VclTest {
protected:
    void Install(const std::string& codePage, const std::string& language)
    {
        install_.WriteFile("client/ZentorC.ini", "[CodePage]\nUICodePage=" + codePage + "\n");
        const std::filesystem::path target = install_.Folder("client/MultiLanguage/" + language);
        std::filesystem::create_directories(target);
        std::filesystem::copy(std::filesystem::path(QVN_SOURCE_DIR) / "resources/lang" / language, target,
                              std::filesystem::copy_options::overwrite_existing | std::filesystem::copy_options::recursive);
    }
    test::ZentorInstall install_;
};

TEST_F(LanguageFilesTest, EveryShippedLanguageLoads)
{
    struct Case { const char* codePage; const char* language; WideString fontName; int charset; WideString over; };
    const Case cases[] = {
        {"936", "CHS", u8"宋体", GB2312_CHARSET, u8"处理完毕! "},
        {"950", "CHT", u8"細明體", CHINESEBIG5_CHARSET, u8"處理完畢! "},
        {"437", "ENG", u8"Tahoma", ANSI_CHARSET, u8"Done! "},
    };
    for (const auto& c : cases) {
        Install(c.codePage, c.language);
        auto* form = NewForm<TQVForm>(Application);
        form->Show();
        EXPECT_EQ(form->Font()->Name(), WideToAnsi(c.fontName)) << c.language;
        EXPECT_EQ(form->Font()->Charset(), c.charset) << c.language;
        EXPECT_EQ(ReadLangMsg(TDesignType::dtClient, "TfrmBaseBatch", "sOver", "default"), WideToAnsi(c.over)) << c.language;
        EXPECT_NE(ReadLangMsg(TDesignType::dtClient, "TfrmBaseGene", "sOption", "default"), "default") << c.language;
        FreeComponent(form);
    }
}

}  // namespace
}  // namespace qvn
