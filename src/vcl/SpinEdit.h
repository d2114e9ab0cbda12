#pragma once
// TSpinEdit: an edit for a whole number with up/down steps. Value reads the
// text as a number (MinValue when it is none); setting Value writes the
// number held to MinValue..MaxValue (no limits when the two are equal). Up
// and Down add or take Increment (not when ReadOnly). Only digits and signs
// can be typed, and nothing with EditorEnabled off. Leaving the edit (after
// OnExit) writes a value outside the limits back inside them.

#include "vcl/Edit.h"

namespace qvn {

class TSpinEdit : public TCustomEdit {
    QVN_CLASS_INFO()
public:
    explicit TSpinEdit(TComponent* owner);

    int Value() const;
    void SetValue(int value);
    int MinValue() const { return minValue_; }
    void SetMinValue(int v) { minValue_ = v; }
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v) { maxValue_ = v; }
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool on) { editorEnabled_ = on; }

    // value held to the limits.
    int CheckValue(int value) const;
    void UpClick();
    void DownClick();

protected:
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void DoExit() override;
    bool IsValidChar(char key) const;

private:
    void Step(int64_t delta);

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    bool editorEnabled_ = true;
};

}  // namespace qvn
