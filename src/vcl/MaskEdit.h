#pragma once
// TCustomMaskEdit / TMaskEdit: an edit under an edit mask (EditMask.h).
// The stored text is the edit text (every place, literals included); Text
// reports it as the mask's second field says. Setting Text fits the value
// into the mask (with literals when the mask saves them, otherwise without).
// Without a mask the control is a plain edit.
//
// Changing the mask carries the typed characters over into the new one.
// Leaving a modified masked edit with a required place empty refocuses it
// and raises EDBEditError (which the application reports in an error box); Esc in a modified masked edit restores the text
// it had when it was entered.

#include <string>

#include "platform/Exceptions.h"
#include "vcl/Edit.h"
#include "vcl/EditMask.h"

namespace qvn {

QVN_DECLARE_EXCEPTION(EDBEditError, Exception)

class TCustomMaskEdit : public TCustomEdit {
    QVN_CLASS_INFO()
public:
    static constexpr const char* kInvalidInput = "Invalid input value.  Use escape key to abandon changes";

    explicit TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}

    const std::string& EditMask() const { return mask_.MaskText(); }
    void SetEditMask(const std::string& mask);
    bool IsMasked() const { return mask_.IsMasked(); }
    const TEditMask& Mask() const { return mask_; }
    // The full display text: blanks in empty places, literals in theirs.
    std::string EditText() const { return TCustomEdit::GetTextBuf(); }
    void SetEditText(const std::string& text);
    // Masked: the number of places of the mask.
    int MaxLength() const override;
    // When a required place of a modified masked edit is empty: focuses the
    // edit, puts the caret there and raises EDBEditError.
    virtual void ValidateEdit();
    // Puts back the text from when the edit was entered (when modified).
    void Reset();

protected:
    AnsiString GetTextBuf() const override { return mask_.ReportedText(TCustomEdit::GetTextBuf()); }
    std::string NormaliseText(const std::string& s, bool typed) const override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(Word& key, TShiftState shift) override;
    void Dispatch(TMessage& message) override;

private:
    TEditMask mask_;
    bool settingEditText_ = false;
    std::string oldEditText_;
};

class TMaskEdit : public TCustomMaskEdit {
    QVN_CLASS_INFO()
public:
    explicit TMaskEdit(TComponent* owner) : TCustomMaskEdit(owner) {}
};

}  // namespace qvn
