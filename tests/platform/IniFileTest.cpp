#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "support/TempDir.h"

namespace qvn {
namespace {

const char* const kSample =
    "\xEF\xBB\xBF; leading comment\r\n"
    "orphan=ignored before any section\n"
    "[Server Information]\n"
    "  ComputerName =  srvA;srvB  \n"
    "computername=second wins never\n"
    "ServerPort=2000\n"
    "Quoted=\"  spaced  \"\n"
    "Single='x'\n"
    "Unbalanced=\"x\n"
    "; a comment = not a key\n"
    "BareLine\n"
    "Empty=\n"
    "[ WorkDLLPath ]\n"
    "P1=Pkg\n"
    "P2=\\Other\\\n"
    "P1=duplicate\n"
    "[server information]\n"
    "ServerPort=9999\n"
    "[Broken\n"
    "Key=inside broken header\n";

TEST(IniFileTest, ReadsWithTheProfileReadersRules)
{
    const TIniFile ini = TIniFile::FromText(kSample);
    struct Case { const char* section; const char* key; const char* expected; };
    const Case cases[] = {
        {"Server Information", "ComputerName", "srvA;srvB"},  // blanks dropped, first key wins
        {"SERVER INFORMATION", "computerNAME", "srvA;srvB"},  // case-insensitive
        {"Server Information", "ServerPort", "2000"},         // a repeated section is never reached
        {"Server Information", "Quoted", "  spaced  "},       // matching quotes removed
        {"Server Information", "Single", "x"},
        {"Server Information", "Unbalanced", "\"x"},
        {"Server Information", "Empty", ""},
        {"Server Information", "BareLine", ""},
        {"Server Information", "; a comment", "<def>"},
        {"Server Information", "orphan", "<def>"},
        {"WorkDLLPath", "P1", "Pkg"},
        {"Broken", "Key", "inside broken header"},
        {"Missing", "Key", "<def>"},
    };
    for (const auto& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, "<def>"), c.expected) << c.section << "/" << c.key;
}

TEST(IniFileTest, IntegersFallBackToTheDefault)
{
    const TIniFile ini = TIniFile::FromText("[S]\nA=42\nB=abc\nC=\nD= -7 \nE=0x1F\nF=99999999999\nG=12abc\n");
    const std::pair<const char*, int> cases[] = {{"A", 42}, {"B", 5}, {"C", 5}, {"D", -7}, {"E", 31}, {"F", 5}, {"G", 5}, {"Z", 5}};
    for (auto [key, expected] : cases) EXPECT_EQ(ini.ReadInteger("S", key, 5), expected) << key;
}

TEST(IniFileTest, SectionLinesKeepOrderAndTakeTheFirstValueOfAKey)
{
    const TIniFile ini = TIniFile::FromText(kSample);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"P1", "Pkg"}, {"P2", "\\Other\\"}, {"P1", "Pkg"}};
    EXPECT_EQ(ini.ReadSectionValues("workdllpath"), expected);
    EXPECT_TRUE(ini.ReadSectionValues("Missing").empty());
    EXPECT_EQ(ini.ReadSections().size(), 3u);
}

TEST(IniFileTest, MissingFileReadsAsEmptyAndLongValuesAreCut)
{
    const TIniFile missing("/nonexistent/dir/file.ini");
    EXPECT_EQ(missing.ReadString("A", "B", "def"), "def");
    EXPECT_FALSE(missing.SectionExists("A"));

    test::TempDir dir;
    const std::string file = dir.Write("big.ini", "[A]\nB=" + std::string(5000, 'x') + "\n");
    EXPECT_EQ(TIniFile(file).ReadString("A", "B", "").size(), 2047u);
    // A file of one huge line without any newline or section.
    const std::string junk = dir.Write("junk.ini", std::string(1 << 20, '\x01'));
    EXPECT_TRUE(TIniFile(junk).ReadSections().empty());
}

}  // namespace
}  // namespace qvn
