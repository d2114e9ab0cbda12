#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Tests run with a fixed process code page whatever the machine's locale.
    setenv("QVN_ACP", "936", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
