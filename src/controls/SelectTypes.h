#pragma once
// The vocabulary of the selection panel: its entry styles, how it compares
// the two range texts, the date orders it reads, its duplicate-row rule and
// the signatures of its events. The enumeration names are the published
// ones: condition schemes and language files use them as text.

#include <string>
#include <vector>

#include "vcl/Event.h"
#include "vcl/ListView.h"

namespace qvn {

class TSelectPanel;
class TWinControl;

enum TSelectStyle { sp_Range, sp_Discrete, sp_UserChoice };
enum TValueType { vt_String, vt_Number, vt_Date, vt_Time, vt_Float, vt_OtherMask };
// The last two are years of the Republic of China calendar (year + 1911),
// written with two and three digits.
enum TDateType { dt_NoneCare, dt_YYYYMMDD, dt_MMDDYYYY, dt_DDMMYYYY, dt_YYMMDD, dt_YYYMMDD };
enum TCheckDuplicate { cd_None, cd_CheckCase, cd_CaseInsensitive };

inline const std::vector<std::string>& SelectStyleNames()
{
    static const std::vector<std::string> names{"sp_Range", "sp_Discrete", "sp_UserChoice"};
    return names;
}
inline const std::vector<std::string>& ValueTypeNames()
{
    static const std::vector<std::string> names{"vt_String", "vt_Number", "vt_Date", "vt_Time", "vt_Float", "vt_OtherMask"};
    return names;
}
inline const std::vector<std::string>& DateTypeNames()
{
    static const std::vector<std::string> names{"dt_NoneCare", "dt_YYYYMMDD", "dt_MMDDYYYY",
                                                "dt_DDMMYYYY", "dt_YYMMDD",   "dt_YYYMMDD"};
    return names;
}
inline const std::vector<std::string>& CheckDuplicateNames()
{
    static const std::vector<std::string> names{"cd_None", "cd_CheckCase", "cd_CaseInsensitive"};
    return names;
}

using TOpenWinClickEvent = Event<void(TSelectPanel* SenderParent, TWinControl* Sender)>;
using TDeleteClickEvent = Event<void(TObject* Sender, bool& Accept)>;
using TStyleChangingEvent =
    Event<void(TObject* Sender, TSelectStyle NowStyle, TSelectStyle& NewStyle, bool& Accept)>;
using TStyleChangeEvent = Event<void(TObject* Sender, TSelectStyle OldStyle, TSelectStyle NewStyle)>;
using TListViewSelectItemEvent = Event<void(TObject* Sender, TListItem* xItem, int xIndex, bool xIsSelect)>;
using TListViewDataChangeEvent = Event<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TListViewDataChangingEvent = Event<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;

}  // namespace qvn
