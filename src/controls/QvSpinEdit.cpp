#include "controls/QvSpinEdit.h"

#include <string>

#include "vcl/PropTable.h"

namespace qvn {
namespace {

bool HasSignAfterFirst(const std::string& text, char sign) { return text.find(sign, 1) != std::string::npos; }

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

QVN_DEFINE_CLASS_INFO(TQvSpinEdit, TSpinEdit)

void TQvSpinEdit::TextChanged()
{
    std::string text = Text();
    if (HasSignAfterFirst(text, '+')) text.pop_back();
    if (!text.empty() && HasSignAfterFirst(text, '-')) text.pop_back();
    if (text != Text()) {
        // Setting the shorter text comes back here; that call reports the change once.
        SetText(text);
        return;
    }
    if (!IsBlank(text)) Change();
}

}  // namespace qvn
