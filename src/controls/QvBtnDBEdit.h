#pragma once
#ifndef QVN_BASIC_EDITION
// TQvBtnDBEdit: the data-aware edit with a lookup button ("F2Button", a
// flat glyph button) square at its right. The button runs OnDialog when
// assigned; otherwise it focuses the edit and asks the owner form for the
// lookup window, as F2 in the edit does.

#include <string>
#include <vector>

#include "controls/GSpeedButton.h"
#include "controls/QvDBEdit.h"
#include "lang/DisabledGlyph.h"

namespace qvn {

class TQvBtnDBEdit : public TQvDBEdit, public IGlyphButtons {
    QVN_CLASS_INFO()
public:
    explicit TQvBtnDBEdit(TComponent* owner);

    // nullptr once the button was freed elsewhere.
    TGSpeedButton* Button() const { return button_; }
    int ButtonSpacing() const { return buttonSpacing_; }
    void SetButtonSpacing(int spacing);
    int GlyphIndex() const { return glyphIndex_; }
    void SetGlyphIndex(int index);
    std::string ButtonHint() const;
    void SetButtonHint(const std::string& hint);

    // The button's action (see the file comment).
    void ButtonClick(TObject* sender);
    void PlaceButton();
    std::vector<TComponent*> GlyphButtons() const override;
    void SetParent(TWinControl* parent) override;

    TNotifyEvent OnDialog;

protected:
    void BoundsChanged(bool moved, bool resized) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void ButtonFollowEdit();

    TGSpeedButton* button_;
    int buttonSpacing_ = 2;
    int glyphIndex_ = 8;
};

}  // namespace qvn

#endif  // QVN_BASIC_EDITION
