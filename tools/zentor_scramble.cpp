// Writes a database password in the scrambled form that the server's
// configuration file ("ZentorS.ini", keys "XXXXXX" and "TempPassword") stores.
//
//   zentor-scramble PASSWORD     prints the scrambled text
//   zentor-scramble              reads the password from the first line of standard input
//   zentor-scramble -d TEXT      prints the password a scrambled text stands for

#include <cstring>
#include <iostream>
#include <string>

#include "config/PasswordScrambler.h"
#include "platform/Exceptions.h"

namespace {

int Usage()
{
    std::cerr << "usage: zentor-scramble [PASSWORD | -d SCRAMBLED]\n"
                 "  With no argument the password is read from standard input.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 3) return Usage();
    if (argc >= 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        Usage();
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "-d") == 0) {
        if (argc != 3) return Usage();
        try {
            std::string plain = qvn::UnscrambleText(argv[2]);
            std::cout << (plain == qvn::kEmptyPasswordMarker ? std::string() : plain) << "\n";
            return 0;
        } catch (const qvn::Exception& e) {
            std::cerr << "zentor-scramble: not a scrambled password: " << e.Message() << "\n";
            return 1;
        }
    }
    if (argc == 3) return Usage();
    std::string password;
    if (argc == 2) {
        password = argv[1];
    } else if (!std::getline(std::cin, password) && !std::cin.eof()) {
        std::cerr << "zentor-scramble: cannot read the password\n";
        return 1;
    }
    if (!password.empty() && password.back() == '\r') password.pop_back();
    std::cout << qvn::ScramblePassword(password) << "\n";
    return 0;
}
