#pragma once
// TLabel: a caption on the form. It has no window and never takes the
// focus; its FocusControl is the control it names (freed with it: the label
// forgets it). The caption's accelerator focuses the FocusControl (only
// while ShowAccelChar is on). With AutoSize the label takes the size of its text in its
// font: the widest line by the number of lines, or, with WordWrap, its
// current width by the number of wrapped lines. A right-aligned label keeps
// its right edge when it resizes itself.

#include <string>
#include <vector>

#include "vcl/Alignment.h"
#include "vcl/GraphicControl.h"

namespace qvn {

class TCustomLabel : public TGraphicControl {
    QVN_CLASS_INFO()
public:
    explicit TCustomLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    // The lines the caption is drawn in (wrapped when WordWrap is on).
    std::vector<std::string> TextLines() const;
    void Paint(TCanvas& canvas) override;
    // Sets the size from the text (only with AutoSize).
    void AdjustBounds();

protected:
    void TextChanged() override { AdjustBounds(); }
    void FontChanged() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool DialogChar(char key) override;

private:
    std::string ShownText() const;

    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
    QVN_CLASS_INFO()
public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

// Splits text at line ends and, when wrapWidth > 0, at blanks so that each
// line fits wrapWidth pixels in font (a word wider than that keeps a line of
// its own). Double-byte characters may break anywhere between characters.
std::vector<std::string> WrapTextLines(const std::string& text, const TFont& font, int wrapWidth);

}  // namespace qvn
