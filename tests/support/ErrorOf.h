#pragma once
// Runs fn and returns the message of the expected exception kind, or a marker
// when nothing (or something else) was thrown, so a test can compare messages.

#include <exception>
#include <string>

namespace qvn::test {

template <typename E, typename Fn>
std::string ErrorOf(Fn&& fn)
{
    try {
        fn();
    } catch (const E& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return std::string("<other exception: ") + e.what() + ">";
    }
    return "<no error>";
}

}  // namespace qvn::test
