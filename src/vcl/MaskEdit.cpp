#include "vcl/MaskEdit.h"

#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TCustomMaskEdit, TCustomEdit)

QVN_DEFINE_CLASS_INFO(TMaskEdit, TCustomMaskEdit, [](TPropTable& t) {
    edit_props::Common(t);
    AddStrProp<TCustomMaskEdit, &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask>(t, "EditMask");
    AddCharProp<TCustomEdit, &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar>(t, "PasswordChar");
})

void TCustomMaskEdit::SetEditMask(const std::string& mask)
{
    if (mask == mask_.MaskText()) return;
    const std::string stored = TCustomEdit::GetTextBuf();
    // The typed characters move into the new mask; dropping the mask keeps the text as it was reported.
    const std::string carried = mask_.IsMasked() ? mask_.DataText(stored) : stored;
    const std::string reported = mask_.ReportedText(stored);
    mask_ = TEditMask(mask);
    const bool modified = Modified();
    if (mask_.IsMasked())
        SetEditText(mask_.FormatText(carried, false));
    else
        SetText(reported);
    SetModified(modified);
}

void TCustomMaskEdit::SetEditText(const std::string& text)
{
    settingEditText_ = true;
    try {
        SetText(text);
        // SetText compares with the reported text; an edit text that reports the same may still differ.
        if (IsMasked() && EditText() != mask_.FormatText(text, true)) SetTextBuf(text);
    } catch (...) {
        settingEditText_ = false;
        throw;
    }
    settingEditText_ = false;
}

std::string TCustomMaskEdit::NormaliseText(const std::string& s, bool typed) const
{
    const std::string text = TCustomEdit::NormaliseText(s, typed && !IsMasked());
    if (!IsMasked()) return text;
    return mask_.FormatText(text, settingEditText_ || mask_.SavesLiterals());
}

int TCustomMaskEdit::MaxLength() const { return IsMasked() ? mask_.Length() : TCustomEdit::MaxLength(); }

void TCustomMaskEdit::ValidateEdit()
{
    int errorPos = -1;
    if (!IsMasked() || !Modified() || mask_.Validate(EditText(), errorPos)) return;
    // The focus comes back to the edit with the caret on the empty place, then the error is raised.
    if (CanFocus() && !IsDestroying() && !Focused()) SetFocus();
    SetSelStart(errorPos);
    throw EDBEditError(kInvalidInput);
}

void TCustomMaskEdit::Reset()
{
    if (!Modified()) return;
    SetEditText(oldEditText_);
    SetModified(false);
}

void TCustomMaskEdit::DoEnter()
{
    oldEditText_ = EditText();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::DoExit()
{
    ValidateEdit();
    TCustomEdit::DoExit();
}

void TCustomMaskEdit::KeyDown(Word& key, TShiftState shift)
{
    TCustomEdit::KeyDown(key, shift);
    if (key == VK_ESCAPE && IsMasked() && Modified()) {
        Reset();
        key = 0;
    }
}

void TCustomMaskEdit::Dispatch(TMessage& m)
{
    // Esc belongs to a modified masked edit (it undoes the typing) before the form sees it.
    if (m.Msg == CM_WANTSPECIALKEY && m.WParam == VK_ESCAPE && IsMasked() && Modified()) {
        m.Result = 1;
        return;
    }
    TCustomEdit::Dispatch(m);
}

}  // namespace qvn
