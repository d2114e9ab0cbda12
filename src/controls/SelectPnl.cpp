#include "controls/SelectPnl.h"

#include "controls/GSpeedButton.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

constexpr int kButtonSize = 23;
constexpr int kEditHeight = 24;
constexpr int kDeleteGlyph = 47;
constexpr int kClearGlyph = 4;

const char* const kDefaultHints[TSelectPanel::kHintSlots] = {
    "用户自定输入方式",     "区间选择-起始信息", "区间选择-起始信息开窗", "区间选择-截止信息", "区间选择-截止信息开窗",
    "多选-己选择的信息", "多选-信息开窗",     "多选-删除一笔信息",     "多选-删除己选信息",
};

template <typename C, auto Member>
void AddEvent(TPropTable& t, const char* name, const char* type)
{
    AddEventProp<C, Member>(t, name, type);
}

void SetUpButton(TGSpeedButton* button, int glyph, int numGlyphs)
{
    button->SetFlat(true);
    button->SetGlyphIndex(glyph);
    button->SetBounds(button->Left(), button->Top(), kButtonSize, kButtonSize);
    button->SetNumGlyphs(numGlyphs);
}

void ClearPanelFrame(TPanel* panel)
{
    panel->SetAlign(alNone);
    panel->SetBevelInner(bvNone);
    panel->SetBevelOuter(bvNone);
    panel->SetCaption(" ");
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TSelectPanel, TGroupBox, [](TPropTable& t) {
    using P = TSelectPanel;
    AddBoolProp<P, &P::AutoChangeDateSite, &P::SetAutoChangeDateSite>(t, "AutoChangeDateSite");
    AddObjectProp<P, &P::BeginWords, &P::SetBeginWords>(t, "BeginWords", "TStrings");
    AddBoolProp<P, &P::ColumnsAutoSize, &P::SetColumnsAutoSize>(t, "ColumnsAutoSize");
    AddBoolProp<P, &P::CanOpenWin, &P::SetCanOpenWin>(t, "CanOpenWin");
    AddEnumProp<P, &P::CheckDuplicate, &P::SetCheckDuplicate>(t, "CheckDuplicate", "TCheckDuplicate", CheckDuplicateNames());
    AddObjectProp<P, &P::ChildHints, &P::SetChildHints>(t, "ChildHints", "TStrings");
    AddObjectProp<P, &P::ColumnCaptions, &P::SetColumnCaptions>(t, "ColumnCaptions", "TStrings");
    AddObjectProp<P, &P::Columns, &P::SetColumns>(t, "Columns", "TListColumns");
    AddEnumProp<P, &P::DateType, &P::SetDateType>(t, "DateType", "TDateType", DateTypeNames());
    AddStrProp<P, &P::DateSign, &P::SetDateSign>(t, "DateSign");
    AddStrProp<P, &P::Discard, &P::SetDiscard>(t, "Discard");
    AddStrProp<P, &P::EditMask, &P::SetEditMask>(t, "EditMask");
    AddObjectProp<P, &P::FinalWords, &P::SetFinalWords>(t, "FinalWords", "TStrings");
    AddIntProp<P, &P::GlyphIndex, &P::SetGlyphIndex>(t, "GlyphIndex");
    AddStrProp<P, &P::HintWord, &P::SetHintWord>(t, "HintWord");
    AddBoolProp<P, &P::HideSelection, &P::SetHideSelection>(t, "HideSelection");
    AddObjectProp<P, &P::Items, &P::SetItems>(t, "Items", "TListItems");
    AddIntProp<P, &P::OtherHeight, &P::SetOtherHeight>(t, "OtherHeight");
    AddIntProp<P, &P::OtherWidth, &P::SetOtherWidth>(t, "OtherWidth");
    AddBoolProp<P, &P::ShowColumnHeader, &P::SetShowColumnHeader>(t, "ShowColumnHeader");
    AddBoolProp<P, &P::SortListBox, &P::SetSortListBox>(t, "SortListBox");
    AddEnumProp<P, &P::Style, &P::SetStyle>(t, "Style", "TSelectStyle", SelectStyleNames());
    AddBoolProp<P, &P::UseDiscard, &P::SetUseDiscard>(t, "UseDiscard");
    AddBoolProp<P, &P::UserChoice, &P::SetUserChoice>(t, "UserChoice");
    AddBoolProp<P, &P::UseVertical, &P::SetUseVertical>(t, "UseVertical");
    AddEnumProp<P, &P::ValueType, &P::SetValueType>(t, "ValueType", "TValueType", ValueTypeNames());
    AddEvent<P, &P::OnOpenWinClick>(t, "OnOpenWinClick", "TOpenWinClickEvent");
    AddEvent<P, &P::OnClearClick>(t, "OnClearClick", "TNotifyEvent");
    AddEvent<P, &P::OnDeleteClick>(t, "OnDeleteClick", "TDeleteClickEvent");
    AddEvent<P, &P::OnTypeClick>(t, "OnTypeClick", "TNotifyEvent");
    AddEvent<P, &P::OnStyleChanging>(t, "OnStyleChanging", "TStyleChangingEvent");
    AddEvent<P, &P::OnStyleChange>(t, "OnStyleChange", "TStyleChangeEvent");
    AddEvent<P, &P::OnItemSelect>(t, "OnItemSelect", "TListViewSelectItemEvent");
    AddEvent<P, &P::OnItemChange>(t, "OnItemChange", "TListViewDataChangeEvent");
    AddEvent<P, &P::OnItemChanging>(t, "OnItemChanging", "TListViewDataChangingEvent");
})

TSelectPanel::TSelectPanel(TComponent* owner)
    : TGroupBox(owner),
      beginWords_(std::make_unique<TStringList>()),
      finalWords_(std::make_unique<TStringList>()),
      childHints_(std::make_unique<TStringList>()),
      columnCaptions_(std::make_unique<TStringList>())
{
    hintWord_ = "区间选择";
    beginWords_->Add("起");
    beginWords_->Add("起");
    finalWords_->Add("止");
    finalWords_->Add("止");
    for (const char* hint : kDefaultHints) childHints_->Add(hint);
    CreateParts();
    HookPartEvents();
    // The default hints reach the parts only when the list changes (a form resource loading it).
    beginWords_->OnChange = TNotifyEvent::Of<&TSelectPanel::WordsChanged>(this);
    finalWords_->OnChange = TNotifyEvent::Of<&TSelectPanel::WordsChanged>(this);
    childHints_->OnChange = TNotifyEvent::Of<&TSelectPanel::ApplyChildHints>(this);
    SetBounds(Left(), Top(), 353, 45);
    // Through the setter, so the parts of the other styles hide.
    SetStyle(sp_Range);
}

TSelectPanel::~TSelectPanel()
{
    beginWords_->OnChange = nullptr;
    finalWords_->OnChange = nullptr;
    childHints_->OnChange = nullptr;
}

template <typename T>
T* TSelectPanel::NewPart(TWinControl* parent)
{
    T* part = new T(this);
    part->SetParentFont(true);
    part->SetParentShowHint(true);
    part->SetParent(parent);
    return part;
}

void TSelectPanel::CreateParts()
{
    typeCheck_ = NewPart<TOrinCheckBox>(this);
    typeCheck_->SetBounds(16, 17, typeCheck_->Width(), typeCheck_->Height());
    typeCheck_->SetCaption(hintWord_);
    // Checked to match UserChoice, so a panel made in code is in range mode when switched to user choice.
    typeCheck_->SetChecked(userChoice_);
    rangePanel_ = NewPart<TPanel>(this);
    ClearPanelFrame(rangePanel_);
    CreateRangeParts();
    listPanel_ = NewPart<TPanel>(this);
    ClearPanelFrame(listPanel_);
    CreateListParts();
}

void TSelectPanel::CreateRangeParts()
{
    auto newEdit = [this](int height) {
        TOrinMaskEdit* edit = NewPart<TOrinMaskEdit>(rangePanel_);
        edit->SetHeight(height);
        edit->SetEditMask("");
        edit->SetText("");
        return edit;
    };
    auto newLookup = [this] {
        TF2Button* button = NewPart<TF2Button>(rangePanel_);
        button->SetAutoAlign(true);
        SetUpButton(button, glyphIndex_, 1);
        return button;
    };
    beginLabel_ = NewPart<TLabel>(rangePanel_);
    beginLabel_->SetAutoSize(true);
    beginLabel_->SetCaption(beginWords_->Get(1));
    beginEdit_ = newEdit(kEditHeight);
    beginButton_ = newLookup();
    endLabel_ = NewPart<TLabel>(rangePanel_);
    endLabel_->SetAutoSize(true);
    endLabel_->SetCaption(finalWords_->Get(1));
    endEdit_ = newEdit(beginEdit_->Height());
    endButton_ = newLookup();
}

void TSelectPanel::CreateListParts()
{
    listButton_ = NewPart<TF2Button>(listPanel_);
    listButton_->SetAutoAlign(false);
    SetUpButton(listButton_, glyphIndex_, 1);
    deleteButton_ = NewPart<TGSpeedButton>(listPanel_);
    SetUpButton(deleteButton_, kDeleteGlyph, 1);
    clearButton_ = NewPart<TGSpeedButton>(listPanel_);
    SetUpButton(clearButton_, kClearGlyph, 2);
    itemList_ = NewPart<TOrinListView>(listPanel_);
    itemList_->SetHeight(listPanel_->Height());
    itemList_->SetCursor(crHandPoint);
    itemList_->SetEnabled(true);
    itemList_->SetMultiSelect(true);
    itemList_->SetRowSelect(true);
    itemList_->SetShowColumnHeaders(false);
    itemList_->SetSortListBox(false);
    itemList_->SetViewStyle(vsReport);
    itemList_->SetReadOnly(true);
    itemList_->SetHideSelection(false);
}

std::vector<TComponent*> TSelectPanel::GlyphButtons() const { return {beginButton_, endButton_, listButton_}; }

bool TSelectPanel::IsRangeMode() const
{
    return style_ == sp_Range || (style_ == sp_UserChoice && typeCheck_->Checked());
}

void TSelectPanel::SetFocus()
{
    TGroupBox::SetFocus();
    if (!IsRangeMode() && itemList_->CanFocus()) itemList_->SetFocus();
}

void TSelectPanel::SetEnabled(bool enabled)
{
    lastEnabled_ = enabled;
    TGroupBox::SetEnabled(enabled);
    std::vector<TWinControl*> pending{this};
    while (!pending.empty()) {
        TWinControl* container = pending.back();
        pending.pop_back();
        for (int i = 0; i < container->ControlCount(); ++i) {
            TControl* part = container->Controls(i);
            part->SetEnabled(enabled);
            if (auto* windowed = dynamic_cast<TWinControl*>(part)) pending.push_back(windowed);
        }
    }
}

// ---- word lists and hints ----------------------------------------------------------

void TSelectPanel::SetBeginWords(TStrings* words) { SetWords(*beginWords_, words, beginLabel_); }

void TSelectPanel::SetFinalWords(TStrings* words) { SetWords(*finalWords_, words, endLabel_); }

void TSelectPanel::SetWords(TStrings& list, TStrings* words, TLabel* label)
{
    if (words == nullptr) return;
    std::vector<std::string> given;
    for (int i = 0; i < words->Count() && i < 2; ++i) given.push_back(words->Get(i));
    settingWords_ = true;
    list.BeginUpdate();
    list.Clear();
    for (const std::string& w : given) list.Add(w);
    list.EndUpdate();
    settingWords_ = false;
    if (given.empty()) return;
    const bool second = given.size() >= 2 && style_ == sp_UserChoice;
    label->SetCaption(given[second ? 1 : 0]);
    Relayout();
}

void TSelectPanel::WordsChanged(TObject* sender)
{
    if (settingWords_) return;
    if (const auto* list = dynamic_cast<const TStrings*>(sender); list != nullptr && list->Count() >= 2) Relayout();
}

std::string TSelectPanel::WordAt(const TStrings& words, int index, const TLabel* label) const
{
    // A list shorter than the layout needs lends its last word; an empty one keeps the caption.
    if (words.Count() == 0) return label->Caption();
    return words.Get(std::min(index, words.Count() - 1));
}

void TSelectPanel::SetChildHints(TStrings* hints)
{
    if (hints == nullptr || hints == childHints_.get()) return;
    childHints_->Assign(*hints);
}

void TSelectPanel::ApplyChildHints(TObject*)
{
    TControl* const parts[kHintSlots] = {typeCheck_, beginEdit_,  beginButton_,  endEdit_,    endButton_,
                                          itemList_,  listButton_, deleteButton_, clearButton_};
    for (int i = 0; i < childHints_->Count() && i < kHintSlots; ++i) parts[i]->SetHint(childHints_->Get(i));
}

void TSelectPanel::SetHintWord(const std::string& word)
{
    typeCheck_->SetCaption(word);
    SizeTypeCheck();
    hintWord_ = word;
}

// ---- list settings -------------------------------------------------------------------

void TSelectPanel::SetCheckDuplicate(TCheckDuplicate rule)
{
    itemList_->SetCheckDuplicate(rule);
    // Only neighbours are compared, so equal rows must come together.
    if (rule != cd_None) itemList_->SetSortListBox(true);
    if (!IsRangeMode()) itemList_->RemoveDuplicates();
}

TStrings* TSelectPanel::ColumnCaptions() const
{
    columnCaptions_->BeginUpdate();
    columnCaptions_->Clear();
    for (int i = 0; i < itemList_->Columns()->Count(); ++i) columnCaptions_->Add(itemList_->Columns()->Items(i)->Caption());
    columnCaptions_->EndUpdate();
    return columnCaptions_.get();
}

void TSelectPanel::SetColumnCaptions(TStrings* captions)
{
    if (captions == nullptr) return;
    std::vector<std::string> texts;
    for (int i = 0; i < captions->Count(); ++i) texts.push_back(captions->Get(i));
    itemList_->Columns()->Clear();
    for (const std::string& text : texts) {
        TListColumn* column = itemList_->Columns()->Add();
        column->SetCaption(text);
        column->SetWidth(ColumnTextWidth);
    }
}

// ---- range settings ----------------------------------------------------------------

void TSelectPanel::SetEditMask(const std::string& mask)
{
    editMask_ = mask;
    const std::string kept = beginEdit_->Text();
    beginEdit_->SetSuppressChange(true);
    try {
        beginEdit_->SetText("");
        beginEdit_->SetEditMask(mask);
        endEdit_->SetEditMask(mask);
        rules_.EmptyMaskText = beginEdit_->Text();
        beginEdit_->SetText(kept);
    } catch (...) {
        beginEdit_->SetSuppressChange(false);
        throw;
    }
    beginEdit_->SetSuppressChange(false);
}

void TSelectPanel::SetGlyphIndex(int index)
{
    if (index == glyphIndex_) return;
    try {
        beginButton_->SetGlyphIndex(index);
        endButton_->SetGlyphIndex(beginButton_->GlyphIndex());
        listButton_->SetGlyphIndex(beginButton_->GlyphIndex());
        glyphIndex_ = index;
    } catch (...) {
        for (TF2Button* button : {beginButton_, endButton_, listButton_}) button->SetGlyphIndex(0);
    }
}

void TSelectPanel::SetCanOpenWin(bool on)
{
    if (on == canOpenWin_) return;
    canOpenWin_ = on;
    for (TF2Button* button : {beginButton_, endButton_, listButton_}) button->SetVisible(on);
    Relayout();
}

}  // namespace qvn
