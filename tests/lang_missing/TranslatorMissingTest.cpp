#include <gtest/gtest.h>

#include "lang/Translator.h"
#include "platform/Exceptions.h"
#include "support/ErrorOf.h"

namespace qvn {
namespace {

// Built twice: once where no language library can be found, once next to a
// library that lacks one of the two functions.
TEST(TranslatorMissingTest, LoadingFailsWithTheSuitesMessage)
{
    EXPECT_EQ(test::ErrorOf<Exception>([] { TTranslator t; }), QVN_EXPECTED_TRANSLATOR_ERROR);
}

}  // namespace
}  // namespace qvn
