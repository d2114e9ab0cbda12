// The selection panel's texts in a whole-form conversion.

#include "controls/SelectPnl.h"

namespace qvn {
namespace {

// A converted copy, so that the panel's own setter re-labels its parts.
void ConvertLines(const TStrings* lines, const TextConversion& convert, TStringList& out)
{
    for (int i = 0; i < lines->Count(); ++i) out.Add(convert(lines->Get(i)));
}

}  // namespace

void TSelectPanel::ConvertOwnTexts(const TextConversion& convert)
{
    TStringList hints, begin, final;
    ConvertLines(ChildHints(), convert, hints);
    SetChildHints(&hints);
    ConvertLines(BeginWords(), convert, begin);
    SetBeginWords(&begin);
    ConvertLines(FinalWords(), convert, final);
    SetFinalWords(&final);
    SetHintWord(convert(HintWord()));
    ConvertListViewTexts(ListView(), convert);
}

}  // namespace qvn
