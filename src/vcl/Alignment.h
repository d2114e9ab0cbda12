#pragma once
// Where text sits inside a control: horizontal alignment, the side a check
// box puts its caption on, and vertical layout.

namespace qvn {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
// A check box or radio button: taRightJustify puts the box at the left and the caption after it.
using TLeftRight = TAlignment;
enum TTextLayout { tlTop, tlCenter, tlBottom };

}  // namespace qvn
