#include "vcl/SpinEdit.h"

#include <algorithm>
#include <limits>

#include "platform/Format.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TSpinEdit, TCustomEdit, [](TPropTable& t) {
    edit_props::Common(t);
    AddBoolProp<TSpinEdit, &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled>(t, "EditorEnabled");
    AddIntProp<TSpinEdit, &TSpinEdit::Increment, &TSpinEdit::SetIncrement>(t, "Increment");
    AddIntProp<TSpinEdit, &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue>(t, "MaxValue");
    AddIntProp<TSpinEdit, &TSpinEdit::MinValue, &TSpinEdit::SetMinValue>(t, "MinValue");
    AddIntProp<TSpinEdit, &TSpinEdit::Value, &TSpinEdit::SetValue>(t, "Value");
})

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) { SetText("0"); }

int TSpinEdit::Value() const
{
    int value = 0;
    return TryStrToInt(Text(), value) ? value : minValue_;
}

int TSpinEdit::CheckValue(int value) const
{
    if (maxValue_ == minValue_) return value;
    return std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void TSpinEdit::SetValue(int value) { SetText(IntToStr(CheckValue(value))); }

void TSpinEdit::Step(int64_t delta)
{
    if (ReadOnly()) return;
    const int64_t next = std::clamp<int64_t>(int64_t{Value()} + delta, std::numeric_limits<int>::min(),
                                             std::numeric_limits<int>::max());
    SetValue(static_cast<int>(next));
}

void TSpinEdit::UpClick() { Step(increment_); }
void TSpinEdit::DownClick() { Step(-int64_t{increment_}); }

void TSpinEdit::KeyDown(Word& key, TShiftState shift)
{
    if (key == VK_UP) UpClick();
    if (key == VK_DOWN) DownClick();
    TCustomEdit::KeyDown(key, shift);
}

bool TSpinEdit::IsValidChar(char key) const
{
    const auto c = static_cast<unsigned char>(key);
    const bool valid = (c >= '0' && c <= '9') || c == '+' || c == '-' || (c < 32 && c != VK_RETURN);
    if (!valid) return false;
    return editorEnabled_ || (c < 32 && c != VK_BACK);
}

void TSpinEdit::KeyPress(char& key)
{
    if (!IsValidChar(key)) key = 0;
    if (key != 0) TCustomEdit::KeyPress(key);
}

void TSpinEdit::DoExit()
{
    const TControlLink self = Link();
    TCustomEdit::DoExit();
    if (!self) return;
    const int value = Value();
    if (CheckValue(value) != value) SetValue(value);
}

}  // namespace qvn
