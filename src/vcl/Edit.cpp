#include "vcl/Edit.h"

#include <algorithm>

#include "vcl/PropTable.h"
#include "vcl/TextMetrics.h"

namespace qvn {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c != 0xFF; }

template <typename Convert>
std::string ConvertSingleBytes(const std::string& s, Convert convert)
{
    std::string out = s;
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(c)) {
            ++i;
            continue;
        }
        out[i] = static_cast<char>(convert(c));
    }
    return out;
}

}  // namespace

std::string AnsiUpperCaseText(const std::string& s)
{
    return ConvertSingleBytes(s, [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
}

std::string AnsiLowerCaseText(const std::string& s)
{
    return ConvertSingleBytes(s, [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
}

std::string TruncateAnsi(const std::string& s, int n)
{
    if (n < 0) n = 0;
    if (static_cast<size_t>(n) >= s.size()) return s;
    size_t end = 0;
    while (end < static_cast<size_t>(n)) {
        const size_t step = IsLeadByte(static_cast<unsigned char>(s[end])) && end + 1 < s.size() ? 2 : 1;
        if (end + step > static_cast<size_t>(n)) break;
        end += step;
    }
    return s.substr(0, end);
}

namespace edit_props {
void Common(TPropTable& t)
{
    control_props::Align(t);
    AddBoolProp<TCustomEdit, &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect>(t, "AutoSelect");
    AddBoolProp<TCustomEdit, &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize>(t, "AutoSize");
    AddEnumProp<TCustomEdit, &TCustomEdit::CharCase, &TCustomEdit::SetCharCase>(
        t, "CharCase", "TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"});
    control_props::Color(t);
    control_props::Font(t);
    AddBoolProp<TCustomEdit, &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection>(t, "HideSelection");
    AddStrProp<TCustomEdit, &TCustomEdit::ImeName, &TCustomEdit::SetImeName>(t, "ImeName", "TImeName");
    AddIntProp<TCustomEdit, &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>(t, "MaxLength");
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddBoolProp<TCustomEdit, &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>(t, "ReadOnly");
    control_props::Text(t);
    AddEventProp<TCustomEdit, &TCustomEdit::OnChange>(t, "OnChange");
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
}
}  // namespace edit_props

QVN_DEFINE_CLASS_INFO(TCustomEdit, TWinControl)

QVN_DEFINE_CLASS_INFO(TEdit, TCustomEdit, [](TPropTable& t) {
    edit_props::Common(t);
    AddCharProp<TCustomEdit, &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar>(t, "PasswordChar");
})

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    AdjustHeight();
}

void TCustomEdit::SetMaxLength(int n) { maxLength_ = std::max(0, n); }

void TCustomEdit::SetPasswordChar(char c)
{
    if (c == passwordChar_) return;
    passwordChar_ = c;
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase c)
{
    if (c < ecNormal || c > ecLowerCase || c == charCase_) return;
    charCase_ = c;
    SetText(NormaliseText(Text(), false));
}

void TCustomEdit::SetAutoSize(bool on)
{
    if (on == autoSize_) return;
    autoSize_ = on;
    AdjustHeight();
}

void TCustomEdit::FontChanged()
{
    TWinControl::FontChanged();
    AdjustHeight();
}

void TCustomEdit::AdjustHeight()
{
    // The text height plus the frame and the margins of a one-line edit.
    if (autoSize_ && !HasState(csLoading)) SetHeight(CurrentTextMetrics().TextHeight(*Font(), "Wg") + 8);
}

std::string TCustomEdit::NormaliseText(const std::string& s, bool typed) const
{
    std::string out = typed && maxLength_ > 0 ? TruncateAnsi(s, maxLength_) : s;
    if (charCase_ == ecUpperCase) out = AnsiUpperCaseText(out);
    if (charCase_ == ecLowerCase) out = AnsiLowerCaseText(out);
    return out;
}

void TCustomEdit::SetTextBuf(const AnsiString& s)
{
    const bool typed = typed_ > 0;
    typed_ = 0;
    trailExpected_ = trailRefused_ = false;
    const std::string text = NormaliseText(s, typed);
    modified_ = typed;
    // Compared with the stored text itself: a derived edit may report its text differently.
    if (text == TWinControl::GetTextBuf()) return;
    selStart_ = typed ? static_cast<int>(text.size()) : 0;
    selLength_ = 0;
    TWinControl::SetTextBuf(text);
}

void TCustomEdit::Change()
{
    if (!HasState(csLoading)) OnChange(this);
}

void TCustomEdit::KeyPress(char& key)
{
    TWinControl::KeyPress(key);
    const auto c = static_cast<unsigned char>(key);
    if (c == 0) return;
    if (trailRefused_ || trailExpected_) {
        if (trailRefused_) key = 0;
        if (!trailRefused_) ++typed_;
        trailRefused_ = trailExpected_ = false;
        return;
    }
    if (c < 32) return;  // editing and control keys
    const int needed = IsLeadByte(c) ? 2 : 1;
    if (readOnly_ || (maxLength_ > 0 && typed_ + needed > maxLength_)) {
        key = 0;
        trailRefused_ = needed == 2;
        return;
    }
    ++typed_;
    trailExpected_ = needed == 2;
}

void TCustomEdit::DoEnter()
{
    typed_ = 0;
    trailExpected_ = trailRefused_ = false;
    if (autoSelect_) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::DoExit()
{
    typed_ = 0;
    trailExpected_ = trailRefused_ = false;
    TWinControl::DoExit();
}

void TCustomEdit::ClampSelection()
{
    const int length = static_cast<int>(Text().size());
    selStart_ = std::clamp(selStart_, 0, length);
    selLength_ = std::clamp(selLength_, 0, length - selStart_);
}

void TCustomEdit::SetSelStart(int pos)
{
    selStart_ = pos;
    selLength_ = 0;
    ClampSelection();
}

void TCustomEdit::SetSelLength(int len)
{
    selLength_ = len;
    ClampSelection();
}

std::string TCustomEdit::SelText() const
{
    const std::string text = Text();
    const int length = static_cast<int>(text.size());
    const int start = std::clamp(selStart_, 0, length);
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(std::clamp(selLength_, 0, length - start)));
}

void TCustomEdit::SetSelText(const std::string& s)
{
    ClampSelection();
    std::string text = Text();
    text.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), s);
    const int caret = selStart_ + static_cast<int>(s.size());
    SetText(text);
    selStart_ = caret;
    selLength_ = 0;
    ClampSelection();
}

void TCustomEdit::SelectAll()
{
    selStart_ = 0;
    selLength_ = static_cast<int>(Text().size());
}

}  // namespace qvn
