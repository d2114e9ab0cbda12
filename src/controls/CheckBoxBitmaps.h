#pragma once
// The module's check-box pictures: "CHECKED", "UNCHECKED" and "GRAYED" (and
// the look-alikes "CHECK", "UNCHECK", "GRAY"), single images of 19 x 14
// pixels whose bottom-left pixel is the transparent colour.

#include <string_view>

namespace qvn {

class TBitmap;

// Loads the named picture into bitmap; false (bitmap unchanged) for an unknown name.
bool LoadCheckBoxBitmap(TBitmap& bitmap, std::string_view name);

}  // namespace qvn
