#pragma once
// The selection panel's value as a condition scheme stores it: the style
// word, then the fields joined by ETX (character 3). A list's rows are each
// the caption, SOH (character 1) and a sub-item per sub-item, then EOT
// (character 4). No character is escaped.

#include <string>
#include <string_view>
#include <vector>

namespace qvn {

class TListItems;
class TOrinListView;

inline constexpr char kPanelFieldSep[] = "\x03";
inline constexpr char kPanelColumnSep[] = "\x01";
inline constexpr char kPanelRowEnd[] = "\x04";
// The message a scheme restore reports when a list panel's rows cannot be read.
inline constexpr char kPanelValueError[] = "parse spSaveValue error";

std::string WritePanelRows(const TListItems& rows);
// Splits a rows field into rows of columns: the pieces between EOTs (the
// empty piece after the last one skipped), each split at SOH.
std::vector<std::vector<std::string>> SplitPanelRows(std::string_view rows);
// Empties the list and adds the rows of the field; false when a row could not be added.
bool ReadPanelRows(TOrinListView& list, std::string_view rows);

}  // namespace qvn
