#pragma once
// Folders the suite keeps in the registry and the system's temporary folder.

#include <string>

namespace qvn {

inline constexpr char kZentorRegistryKey[] = "Software\\QVN\\Zentor";

// The installation folder: registry value "ClientPath", else "ServerPath";
// empty when neither is there. Backslashes in the value are read as '/'.
std::string GetZentorPath();

// The temporary folder with its trailing separator; empty when it is longer than
// the 260 characters the suite's buffers hold.
std::string GetLongTempPath();

}  // namespace qvn
