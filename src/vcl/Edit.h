#pragma once
// TCustomEdit / TEdit: a one-line text field. The text is the control's
// text; every change runs Change, which fires OnChange.
//
// Typing: the robot (and a backend) deliver each character as WM_CHAR and
// then replace the text in one step. The edit keeps count of the characters
// it accepted since the last text change, so it can refuse characters a
// person could not type: any character while ReadOnly, and characters
// beyond MaxLength. Text that arrives after accepted characters is typed
// text: it marks the edit Modified and is held to MaxLength; text set by
// code is taken whole and clears Modified, as the platform's edit does.
//
// Selection: SelStart and SelLength in bytes, clamped to the text. CharCase
// converts the text (single-byte letters only; double-byte characters are
// left alone). AutoSelect selects the whole text when the edit is entered.

#include <string>

#include "vcl/WinControl.h"

namespace qvn {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEdit : public TWinControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomEdit(TComponent* owner);

    // 0 means no limit; negative values count as 0.
    virtual int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase c);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on) { hideSelection_ = on; }
    bool Modified() const { return modified_; }
    void SetModified(bool on) { modified_ = on; }
    const std::string& ImeName() const { return imeName_; }
    void SetImeName(const std::string& name) { imeName_ = name; }

    int SelStart() const { return selStart_; }
    void SetSelStart(int pos);
    int SelLength() const { return selLength_; }
    void SetSelLength(int len);
    std::string SelText() const;
    // Replaces the selection and puts the caret after the inserted text.
    void SetSelText(const std::string& s);
    void SelectAll();
    void ClearSelection() { SetSelText(""); }
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

protected:
    void SetTextBuf(const AnsiString& s) override;
    void TextChanged() override { Change(); }
    // Fires OnChange (not while loading).
    virtual void Change();
    void KeyPress(char& key) override;
    void DoEnter() override;
    void DoExit() override;
    void FontChanged() override;
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
    // The text as the edit stores it: its case applied; typed text held to MaxLength.
    virtual std::string NormaliseText(const std::string& s, bool typed) const;
    // Characters accepted from the keyboard since the last text change.
    int TypedCount() const { return typed_; }
    void AdjustHeight();

private:
    void ClampSelection();

    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    TEditCharCase charCase_ = ecNormal;
    bool autoSelect_ = true;
    bool autoSize_ = true;
    bool hideSelection_ = true;
    bool modified_ = false;
    std::string imeName_;
    int selStart_ = 0;
    int selLength_ = 0;
    int typed_ = 0;
    bool trailExpected_ = false;  // the next byte completes an accepted double-byte character
    bool trailRefused_ = false;   // the next byte belongs to a refused double-byte character
};

class TEdit : public TCustomEdit {
    QVN_CLASS_INFO()
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};

// Case conversion of 8-bit text that skips both bytes of double-byte characters.
std::string AnsiUpperCaseText(const std::string& s);
std::string AnsiLowerCaseText(const std::string& s);
// The longest prefix of s of at most n bytes that does not split a double-byte character.
std::string TruncateAnsi(const std::string& s, int n);

namespace edit_props {
// The published properties every edit shares (TEdit, TMaskEdit, TSpinEdit, TMemo).
void Common(TPropTable& t);
}  // namespace edit_props

}  // namespace qvn
