#pragma once
// TSelectPanel: the input control for a condition that is a range or a set
// of values. One group box holds three ways of entering it: a range (begin
// and end edits, each with a lookup button), a list of rows filled through
// lookups (with a delete and a clear button), or a check box that lets the
// user choose between the two (Style sp_UserChoice).
//
// The panel runs no lookups itself: its lookup buttons ask the owner form
// (QVM_F2KEY with the target part in LParam), and the form writes the answer
// back into BeginEdit, EndEdit or, row by row, ItemList()->AddItem. When the
// focus leaves the panel it keeps the range in order; its value is saved in
// condition schemes as a text (PanelValue) and read back (SetPanelValue).

#include <memory>
#include <string>
#include <vector>

#include "controls/OrinCheckBox.h"
#include "controls/OrinListView.h"
#include "controls/OrinMaskEdit.h"
#include "controls/RangeOrder.h"
#include "controls/SelectTypes.h"
#include "lang/ComponentTexts.h"
#include "lang/DisabledGlyph.h"
#include "vcl/GroupBox.h"
#include "vcl/Label.h"
#include "vcl/Panel.h"
#include "vcl/Strings.h"

namespace qvn {

class TF2Button;
class TGSpeedButton;

class TSelectPanel : public TGroupBox, public IGlyphButtons, public ITextConvertible {
    QVN_CLASS_INFO()
public:
    // Hints of the parts, in the order ChildHints lists them.
    enum HintSlot { hsTypeCheck, hsBeginEdit, hsBeginButton, hsEndEdit, hsEndButton, hsItemList, hsListButton,
                    hsDeleteButton, hsClearButton, kHintSlots };

    explicit TSelectPanel(TComponent* owner);
    ~TSelectPanel() override;

    // ---- parts (the owner form reads and writes them directly) ----
    TOrinCheckBox* TypeCheck() const { return typeCheck_; }
    TPanel* RangePanel() const { return rangePanel_; }
    TLabel* BeginLabel() const { return beginLabel_; }
    TOrinMaskEdit* BeginEdit() const { return beginEdit_; }
    TF2Button* BeginButton() const { return beginButton_; }
    TLabel* EndLabel() const { return endLabel_; }
    TOrinMaskEdit* EndEdit() const { return endEdit_; }
    TF2Button* EndButton() const { return endButton_; }
    TPanel* ListPanel() const { return listPanel_; }
    TF2Button* ListButton() const { return listButton_; }
    TGSpeedButton* DeleteButton() const { return deleteButton_; }
    TGSpeedButton* ClearButton() const { return clearButton_; }
    TOrinListView* ItemList() const { return itemList_; }
    // The inner list view (the same part as ItemList).
    TOrinListView* ListView() const { return itemList_; }
    // The three lookup buttons (the base form gives them their disabled images).
    std::vector<TComponent*> GlyphButtons() const override;
    // For a whole-form conversion: the word lists, the hint word and the inner list.
    void ConvertOwnTexts(const TextConversion& convert) override;

    // Range mode: Style sp_Range, or sp_UserChoice with TypeCheck checked.
    bool IsRangeMode() const;
    void SetFocus() override;
    void SetEnabled(bool enabled) override;

    // ---- the value saved in condition schemes ----
    // "sp_Range" ETX begin ETX end, "sp_Discrete" ETX rows, "sp_UserChoice"
    // ETX "True" ETX begin ETX end, or "sp_UserChoice" ETX "False" ETX rows;
    // rows: per row the caption, SOH and a sub-item per sub-item, then EOT.
    std::string PanelValue() const;
    // Reads such a text back into the panel (whose Style stays). A text of
    // another first word changes nothing; rows of an "sp_Discrete" text that
    // cannot be read raise Exception "parse spSaveValue error".
    void SetPanelValue(const std::string& value);

    // ---- published properties ----
    bool AutoChangeDateSite() const { return rules_.AutoChangeDateSite; }
    void SetAutoChangeDateSite(bool on) { rules_.AutoChangeDateSite = on; }
    TStrings* BeginWords() const { return beginWords_.get(); }
    void SetBeginWords(TStrings* words);
    bool ColumnsAutoSize() const { return itemList_->ColumnsAutoSize(); }
    void SetColumnsAutoSize(bool on) { itemList_->SetColumnsAutoSize(on); }
    bool CanOpenWin() const { return canOpenWin_; }
    void SetCanOpenWin(bool on);
    TCheckDuplicate CheckDuplicate() const { return itemList_->CheckDuplicate(); }
    void SetCheckDuplicate(TCheckDuplicate rule);
    TStrings* ChildHints() const { return childHints_.get(); }
    void SetChildHints(TStrings* hints);
    // A fresh list of the current column captions (owned by the panel).
    TStrings* ColumnCaptions() const;
    // One column per caption, each fitted to its texts.
    void SetColumnCaptions(TStrings* captions);
    TListColumns* Columns() const { return itemList_->Columns(); }
    void SetColumns(const TListColumns& columns) { itemList_->SetColumns(columns); }
    TDateType DateType() const { return rules_.DateType; }
    void SetDateType(TDateType type) { rules_.DateType = type; }
    const std::string& DateSign() const { return rules_.DateSign; }
    void SetDateSign(const std::string& sign) { rules_.DateSign = sign; }
    const std::string& Discard() const { return rules_.Discard; }
    void SetDiscard(const std::string& discard) { rules_.Discard = discard; }
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask);
    TStrings* FinalWords() const { return finalWords_.get(); }
    void SetFinalWords(TStrings* words);
    int GlyphIndex() const { return glyphIndex_; }
    void SetGlyphIndex(int index);
    const std::string& HintWord() const { return hintWord_; }
    void SetHintWord(const std::string& word);
    bool HideSelection() const { return itemList_->HideSelection(); }
    void SetHideSelection(bool on) { itemList_->SetHideSelection(on); }
    TListItems* Items() const { return itemList_->Items(); }
    void SetItems(const TListItems& items) { itemList_->SetItems(items); }
    int OtherHeight() const { return otherHeight_; }
    void SetOtherHeight(int h) { otherHeight_ = h; }
    int OtherWidth() const { return otherWidth_; }
    void SetOtherWidth(int w) { otherWidth_ = w; }
    bool ShowColumnHeader() const { return itemList_->ShowColumnHeaders(); }
    void SetShowColumnHeader(bool on) { itemList_->SetShowColumnHeaders(on); }
    bool SortListBox() const { return itemList_->SortListBox(); }
    void SetSortListBox(bool on) { itemList_->SetSortListBox(on); }
    TSelectStyle Style() const { return style_; }
    void SetStyle(TSelectStyle style);
    bool UseDiscard() const { return rules_.UseDiscard; }
    void SetUseDiscard(bool on) { rules_.UseDiscard = on; }
    bool UserChoice() const { return userChoice_; }
    void SetUserChoice(bool on);
    bool UseVertical() const { return useVertical_; }
    void SetUseVertical(bool on);
    TValueType ValueType() const { return rules_.ValueType; }
    void SetValueType(TValueType type) { rules_.ValueType = type; }

    // The blank form of the current mask, as BeginEdit reports it.
    const std::string& EmptyMaskText() const { return rules_.EmptyMaskText; }
    int SortColumn() const { return itemList_->SortColumn(); }
    bool SortAscending() const { return itemList_->SortAscending(); }
    // Deletes neighbouring rows of equal caption (by CheckDuplicate).
    void RemoveDuplicates() { itemList_->RemoveDuplicates(); }
    // Lays the parts out for the current style.
    void Relayout();

    TOpenWinClickEvent OnOpenWinClick;
    TNotifyEvent OnClearClick;
    TDeleteClickEvent OnDeleteClick;
    TNotifyEvent OnTypeClick;
    TStyleChangingEvent OnStyleChanging;
    TStyleChangeEvent OnStyleChange;
    TListViewSelectItemEvent OnItemSelect;
    TListViewDataChangeEvent OnItemChange;
    TListViewDataChangingEvent OnItemChanging;

protected:
    void DoExit() override;
    void Resize() override;
    void FontChanged() override;
    void Loaded() override;

private:
    // construction (SelectPnl.cpp)
    void CreateParts();
    void CreateRangeParts();
    void CreateListParts();
    void HookPartEvents();
    template <typename T>
    T* NewPart(TWinControl* parent);

    // properties
    void SetWords(TStrings& list, TStrings* words, TLabel* label);
    void WordsChanged(TObject*);
    void ApplyChildHints(TObject*);
    std::string WordAt(const TStrings& words, int index, const TLabel* label) const;

    // layout (SelectPnlLayout.cpp)
    void LayoutFor(TSelectStyle style);
    void SizeTypeCheck();
    void PlaceFrames(TPanel* front, TPanel* back, int top, int bottomMargin);
    void LayoutHorizontalRange();
    void LayoutVerticalRange();
    void LayoutList();
    void SwitchVisibility(TSelectStyle style);
    void SwapSize();
    bool ParentLoading() const;
    int CaptionHeight() const;

    // user actions (SelectPnlActions.cpp)
    void TypeCheckClick(TObject* sender);
    void ApplyUserChoice();
    void LookupClick(TObject* sender);
    void DeleteClick(TObject* sender);
    void ClearClick(TObject* sender);
    void ColumnClick(TObject* sender, TListColumn* column);
    void NormaliseRange();
    bool Designing() const { return HasState(csDesigning); }

    // event forwarding (SelectPnlEvents.cpp)
    void PartClick(TObject* sender);
    void PartDblClick(TObject* sender);
    void PartMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void PartMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void PartMouseMove(TObject* sender, TShiftState shift, int x, int y);
    void PartKeyDown(TObject* sender, Word& key, TShiftState shift);
    void PartKeyUp(TObject* sender, Word& key, TShiftState shift);
    void PartKeyPress(TObject* sender, char& key);
    void ListSelectItem(TObject* sender, TListItem* item, bool selected);
    void ListChange(TObject* sender, TListItem* item, TItemChange change);
    void ListChanging(TObject* sender, TListItem* item, TItemChange change, bool& allow);
    TObject* ClickSender(TObject* part);
    bool KeepsOwnCoordinates(const TObject* part) const;
    TPoint ToPanel(const TObject* part, int x, int y) const;

    TOrinCheckBox* typeCheck_ = nullptr;
    TPanel* rangePanel_ = nullptr;
    TLabel* beginLabel_ = nullptr;
    TOrinMaskEdit* beginEdit_ = nullptr;
    TF2Button* beginButton_ = nullptr;
    TLabel* endLabel_ = nullptr;
    TOrinMaskEdit* endEdit_ = nullptr;
    TF2Button* endButton_ = nullptr;
    TPanel* listPanel_ = nullptr;
    TF2Button* listButton_ = nullptr;
    TGSpeedButton* deleteButton_ = nullptr;
    TGSpeedButton* clearButton_ = nullptr;
    TOrinListView* itemList_ = nullptr;

    std::unique_ptr<TStringList> beginWords_;
    std::unique_ptr<TStringList> finalWords_;
    std::unique_ptr<TStringList> childHints_;
    std::unique_ptr<TStringList> columnCaptions_;

    TRangeRules rules_;
    TSelectStyle style_ = sp_Range;
    bool canOpenWin_ = true;
    std::string editMask_;
    int glyphIndex_ = 8;
    std::string hintWord_;
    int otherHeight_ = 105;
    int otherWidth_ = 200;
    bool userChoice_ = true;
    bool useVertical_ = false;
    bool lastEnabled_ = true;
    bool layingOut_ = false;
    bool settingWords_ = false;
    bool settingUserChoice_ = false;
};

}  // namespace qvn
