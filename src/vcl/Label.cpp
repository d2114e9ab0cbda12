#include "vcl/Label.h"

#include <algorithm>

#include "vcl/AccelText.h"
#include "vcl/PropTable.h"
#include "vcl/TextMetrics.h"
#include "vcl/WinControl.h"

namespace qvn {
namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x81 && static_cast<unsigned char>(c) != 0xFF; }

std::vector<std::string> SplitLineEnds(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

// Words, blanks and double-byte characters: the pieces a line may break between.
std::vector<std::string> BreakUnits(const std::string& line)
{
    std::vector<std::string> units;
    for (size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            units.emplace_back(1, ' ');
            ++i;
        } else if (IsLeadByte(line[i]) && i + 1 < line.size()) {
            units.push_back(line.substr(i, 2));
            i += 2;
        } else {
            size_t j = i;
            while (j < line.size() && line[j] != ' ' && !IsLeadByte(line[j])) ++j;
            if (j == i) ++j;
            units.push_back(line.substr(i, j - i));
            i = j;
        }
    }
    return units;
}

void TrimRightBlanks(std::string& s)
{
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

}  // namespace

std::vector<std::string> WrapTextLines(const std::string& text, const TFont& font, int wrapWidth)
{
    const ITextMetrics& metrics = CurrentTextMetrics();
    std::vector<std::string> out;
    for (const std::string& paragraph : SplitLineEnds(text)) {
        if (wrapWidth <= 0) {
            out.push_back(paragraph);
            continue;
        }
        std::string line;
        for (const std::string& unit : BreakUnits(paragraph)) {
            if (line.empty() && unit == " " && !out.empty()) continue;
            std::string candidate = line + unit;
            std::string trimmed = candidate;
            TrimRightBlanks(trimmed);
            if (!line.empty() && metrics.TextWidth(font, trimmed) > wrapWidth) {
                TrimRightBlanks(line);
                out.push_back(line);
                line = unit == " " ? std::string() : unit;
            } else {
                line = std::move(candidate);
            }
        }
        TrimRightBlanks(line);
        out.push_back(line);
    }
    return out;
}

QVN_DEFINE_CLASS_INFO(TCustomLabel, TGraphicControl)

QVN_DEFINE_CLASS_INFO(TLabel, TCustomLabel, [](TPropTable& t) {
    control_props::Align(t);
    AddEnumProp<TCustomLabel, &TCustomLabel::Alignment, &TCustomLabel::SetAlignment>(
        t, "Alignment", "TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
    AddBoolProp<TCustomLabel, &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize>(t, "AutoSize");
    control_props::Caption(t);
    control_props::Color(t);
    AddObjectProp<TCustomLabel, &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl>(t, "FocusControl", "TWinControl");
    control_props::Font(t);
    AddEnumProp<TCustomLabel, &TCustomLabel::Layout, &TCustomLabel::SetLayout>(t, "Layout", "TTextLayout",
                                                                               {"tlTop", "tlCenter", "tlBottom"});
    control_props::ParentColor(t);
    control_props::ParentFont(t);
    control_props::ParentShowHint(t);
    AddBoolProp<TCustomLabel, &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar>(t, "ShowAccelChar");
    AddBoolProp<TCustomLabel, &TCustomLabel::Transparent, &TCustomLabel::SetTransparent>(t, "Transparent");
    AddBoolProp<TCustomLabel, &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap>(t, "WordWrap");
    control_props::ClickEvents(t);
    control_props::MouseEvents(t);
})

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
    AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool on)
{
    if (on == autoSize_) return;
    autoSize_ = on;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment a)
{
    if (a == alignment_) return;
    alignment_ = a;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout l)
{
    if (l == layout_) return;
    layout_ = l;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool on)
{
    if (on == wordWrap_) return;
    wordWrap_ = on;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool on)
{
    if (on == transparent_) return;
    transparent_ = on;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool on)
{
    if (on == showAccelChar_) return;
    showAccelChar_ = on;
    AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    if (control == focusControl_) return;
    if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control != nullptr) control->FreeNotification(this);
}

bool TCustomLabel::DialogChar(char key)
{
    if (focusControl_ == nullptr || !showAccelChar_ || !IsAccel(key, Caption())) return false;
    if (!focusControl_->CanFocus()) return false;
    focusControl_->SetFocus();
    return true;
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

std::string TCustomLabel::ShownText() const
{
    std::string text = showAccelChar_ ? StripAccelChars(Caption()) : Caption();
    // An empty caption still measures as one blank, so the label never collapses.
    return text.empty() ? std::string(" ") : text;
}

std::vector<std::string> TCustomLabel::TextLines() const
{
    return WrapTextLines(ShownText(), *Font(), wordWrap_ ? Width() : 0);
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || HasState(csLoading) || IsDestroying()) return;
    const ITextMetrics& metrics = CurrentTextMetrics();
    const std::vector<std::string> lines = TextLines();
    int width = 0;
    for (const std::string& line : lines) width = std::max(width, metrics.TextWidth(*Font(), line));
    if (wordWrap_) width = Width();
    const int height = metrics.TextHeight(*Font(), "Wg") * static_cast<int>(lines.size());
    const int left = alignment_ == taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, height);
}

void TCustomLabel::Paint(TCanvas& canvas)
{
    canvas.Font()->Assign(*Font());
    const TRect client = ClientRect();
    if (!transparent_) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(client);
    }
    canvas.Brush()->SetStyle(bsClear);
    const std::vector<std::string> lines = TextLines();
    const int lineHeight = canvas.TextHeight("Wg");
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    int y = 0;
    if (layout_ == tlCenter) y = (client.Height() - textHeight) / 2;
    if (layout_ == tlBottom) y = client.Height() - textHeight;
    for (const std::string& line : lines) {
        const int w = canvas.TextWidth(line);
        int x = 0;
        if (alignment_ == taRightJustify) x = client.Width() - w;
        if (alignment_ == taCenter) x = (client.Width() - w) / 2;
        canvas.TextOut(x, y, line);
        y += lineHeight;
    }
}

}  // namespace qvn
