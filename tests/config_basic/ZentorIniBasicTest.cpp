#include <gtest/gtest.h>

#include "support/VariantPrinting.h"
#include "config/ZentorIni.h"
#include "platform/Edition.h"
#include "support/ZentorFixture.h"

namespace qvn {
namespace {

static_assert(kBasicEdition, "this test program is built against the basic edition");

// The basic edition has no message center and no system-control addresses:
// those keys are not read even when the file holds them.
TEST(ZentorIniBasicTest, EditionOnlyKeysAreNotRead)
{
    test::ZentorInstall install;
    install.WriteFile("client/ZentorC.ini",
                      "[Server Information]\nComputerName=srv\n"
                      "[TaskMessageCenter Setting]\nAutoCheckNewMsg=0\nCheckInterval=9\nPopupMsg=0\nLoginCheck=1\n");
    install.WriteFile("server/ZentorS.ini", "[DBE Setting]\nMainServerName=db\nSystemControlAddress=ctl\n"
                                            "OtherSystemControlAddress=ctl2\nMainDBType=DB2\n");
    TZentorIniC c;
    ASSERT_TRUE(c.ReadOk());
    EXPECT_EQ(c.AutoCheckNewMsg(), "1");
    EXPECT_EQ(c.CheckInterval(), "1");
    EXPECT_EQ(c.PopupMsg(), "1");
    EXPECT_EQ(c.LoginCheck(), "0");
    EXPECT_EQ(c.ServerList()(0, 0), Variant("srv"));

    TZentorIniS s;
    EXPECT_EQ(s.SystemControlAddress(), "db");
    EXPECT_EQ(s.OtherSystemControlAddress(), "db");
    EXPECT_EQ(s.DBSettings()(0, 5), Variant("db"));
    EXPECT_EQ(s.DBKind(), 2);
}

}  // namespace
}  // namespace qvn
