#include "lang/CodeConverter.h"

#include <unordered_map>
#include <vector>

#include "lang/ComponentTexts.h"
#include "lang/LangReader.h"
#include "platform/Exceptions.h"
#include "vcl/Application.h"
#include "vcl/Charsets.h"
#include "vcl/Font.h"
#include "vcl/Form.h"
#include "vcl/PropAccess.h"
#include "vcl/PropTable.h"
#include "vcl/Screen.h"
#include "vcl/Strings.h"

namespace qvn {
namespace {

// The text of an array element; Null cannot be a text.
std::string ElementText(const Variant& v)
{
    if (v.IsNull()) throw EVariantError("Could not convert variant of type (Null) into type (String)");
    return v.ToString();
}

const TPropInfo* PropOfType(const TObject* c, const char* name, std::string_view typeName)
{
    const TPropInfo* p = c->ClassInfo().FindProp(name);
    return (p != nullptr && p->TypeName == typeName) ? p : nullptr;
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TCodeConverter, TComponent, [](TPropTable& t) {
    AddEnumProp<TCodeConverter, &TCodeConverter::DesignType, &TCodeConverter::SetDesignType>(
        t, "DesignType", "TDesignType", {"dtClient", "dtServer"});
})

TCodeConverter::TCodeConverter(TComponent* owner, TDesignType designType) : TComponent(owner), designType_(designType)
{
    LoadCodePages();
    if (uiConversion_ != 0) translator_ = std::make_unique<TTranslator>();
}

TCodeConverter::~TCodeConverter() = default;

void TCodeConverter::LoadCodePages()
{
    std::unique_ptr<TZentorIni> ini;
    if (designType_ == TDesignType::dtServer)
        ini = std::make_unique<TZentorIniS>();
    else
        ini = std::make_unique<TZentorIniC>();
    systemCodePage_ = ini->SystemCodePage();
    uiCodePage_ = ini->UICodePage();
    dbCodePage_ = ini->DBCodePage();
    uiConversion_ = ini->UIConversion();
    dataConversion_ = ini->DataConversion();
}

void TCodeConverter::SetDesignType(TDesignType t)
{
    if (t == designType_) return;
    designType_ = t;
    LoadCodePages();
    if (uiConversion_ == 0)
        translator_.reset();
    else if (!translator_)
        translator_ = std::make_unique<TTranslator>();
}

std::string TCodeConverter::ConvertText(std::string_view text, uint8_t direction) const
{
    // Plain ASCII reads the same in both code pages: it never needs the library.
    if (translator_ == nullptr || text.empty() || IsAsciiText(text)) return std::string(text);
    if (direction == kGBToBig5) return translator_->GBToBig5(text);
    if (direction == kBig5ToGB) return translator_->Big5ToGB(text);
    return std::string(text);
}

std::string TCodeConverter::GBToBig5(std::string_view text) const { return ConvertText(text, kGBToBig5); }

std::string TCodeConverter::Big5ToGB(std::string_view text) const { return ConvertText(text, kBig5ToGB); }

Variant TCodeConverter::ConvertArray(const Variant& v, uint8_t direction) const
{
    const VarArray& source = v.ArrayRef();
    const int dims = source.DimCount();
    if (dims > 2) return v;
    VarArray target = dims == 1 ? VarArray(source.LowBound(1), source.HighBound(1))
                                : VarArray(VarBound{source.LowBound(1), source.HighBound(1)},
                                           VarBound{source.LowBound(2), source.HighBound(2)});
    const auto& in = source.Elements();
    auto& out = target.MutableElements();
    // Texts that need the library are gathered and converted in one call.
    std::vector<size_t> pending;
    std::vector<std::string> texts;
    for (size_t i = 0; i < in.size(); ++i) {
        const Variant& e = in[i];
        if (e.IsArray()) {
            out[i] = ConvertArray(e, direction);
            continue;
        }
        if (dims == 2 && (e.IsEmpty() || e.IsNull())) {
            out[i] = e;
            continue;
        }
        std::string text = dims == 2 ? e.ToString() : ElementText(e);
        if (IsAsciiText(text)) {
            out[i] = Variant(std::move(text));
        } else {
            pending.push_back(i);
            texts.push_back(std::move(text));
        }
    }
    std::vector<std::string> converted = ConvertTexts(texts, direction);
    for (size_t k = 0; k < pending.size(); ++k) out[pending[k]] = Variant(std::move(converted[k]));
    return Variant(std::move(target));
}

std::vector<std::string> TCodeConverter::ConvertTexts(const std::vector<std::string>& texts, uint8_t direction) const
{
    // Answers repeat their values (names, places, kinds): each distinct text is converted once.
    std::unordered_map<std::string_view, size_t> firstOf;
    std::vector<size_t> uniqueOf(texts.size());
    std::vector<std::string_view> unique;
    for (size_t i = 0; i < texts.size(); ++i) {
        auto [it, added] = firstOf.try_emplace(texts[i], unique.size());
        if (added) unique.push_back(texts[i]);
        uniqueOf[i] = it->second;
    }
    const std::vector<std::string> converted = ConvertDistinctTexts(unique, direction);
    std::vector<std::string> result(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) result[i] = converted[uniqueOf[i]];
    return result;
}

std::vector<std::string> TCodeConverter::ConvertDistinctTexts(const std::vector<std::string_view>& texts,
                                                              uint8_t direction) const
{
    std::vector<std::string> result(texts.size());
    // Line breaks separate the texts of one call: no dictionary entry spans one,
    // so the joined conversion equals the single ones.
    std::string joined;
    std::vector<size_t> joinedIndex;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].find('\n') != std::string_view::npos) {
            result[i] = ConvertText(texts[i], direction);
            continue;
        }
        if (!joinedIndex.empty()) joined += '\n';
        joined += texts[i];
        joinedIndex.push_back(i);
    }
    if (joinedIndex.size() <= 1) {
        for (size_t i : joinedIndex) result[i] = ConvertText(texts[i], direction);
        return result;
    }
    const std::string all = ConvertText(joined, direction);
    size_t start = 0, k = 0;
    for (; k < joinedIndex.size(); ++k) {
        const size_t end = all.find('\n', start);
        const bool last = k + 1 == joinedIndex.size();
        if ((end == std::string::npos) != last) break;
        result[joinedIndex[k]] = all.substr(start, last ? std::string::npos : end - start);
        start = end + 1;
    }
    if (k != joinedIndex.size())  // the pieces do not match up: convert one by one
        for (size_t i : joinedIndex) result[i] = ConvertText(texts[i], direction);
    return result;
}

Variant TCodeConverter::ConvertValue(const Variant& v, uint8_t direction) const
{
    if ((direction != kBig5ToGB && direction != kGBToBig5) || translator_ == nullptr || v.IsEmpty() || v.IsNull())
        return v;
    if (v.IsArray()) return ConvertArray(v, direction);
    return Variant(ConvertText(v.ToString(), direction));
}

Variant TCodeConverter::DesignToUI(const Variant& v) const { return ConvertValue(v, uiConversion_); }

Variant TCodeConverter::UIToDesign(const Variant& v) const
{
    const uint8_t d = uiConversion_ == 1 ? kGBToBig5 : uiConversion_ == 2 ? kBig5ToGB : kConvertNone;
    try {
        return ConvertValue(v, d);
    } catch (const std::exception&) {
        return v;
    }
}

Variant TCodeConverter::DataToUI(const Variant& v) const { return ConvertValue(v, dataConversion_); }

Variant TCodeConverter::UIToData(const Variant& v) const
{
    const uint8_t d = dataConversion_ == 1 ? kGBToBig5 : dataConversion_ == 2 ? kBig5ToGB : kConvertNone;
    try {
        return ConvertValue(v, d);
    } catch (const std::exception&) {
        return v;
    }
}

void TCodeConverter::ApplyUIFont(uint8_t kind, TFont* font)
{
    if (font == nullptr) return;
    if (kind == 0 || kind == 1 || kind == 4) {
        font->SetName("SimSun");
        font->SetCharset(GB2312_CHARSET);
    } else if (kind == 2 || kind == 3) {
        font->SetName("SimSun");
        font->SetCharset(CHINESEBIG5_CHARSET);
    }
}

void TCodeConverter::ConvertTextProperty(TObject* c, const char* name, uint8_t d) const
{
    if (!HasPropByName(c, name)) return;
    const std::string text = GetStrPropByName(c, name);
    if (!text.empty()) SetStrPropByName(c, name, ConvertValue(Variant(text), d).ToString());
}

void TCodeConverter::ConvertCaption(TComponent* c, uint8_t d) const { ConvertTextProperty(c, "Caption", d); }

void TCodeConverter::ConvertHints(TComponent* c, uint8_t d) const
{
    ConvertTextProperty(c, "Hint", d);
    ConvertTextProperty(c, "ButtonHint", d);
}

void TCodeConverter::ConvertFont(TComponent* c, uint8_t d) const
{
    if (PropOfType(c, "Font", "TFont")) ApplyUIFont(d, dynamic_cast<TFont*>(GetObjectPropByName(c, "Font")));
}

void TCodeConverter::ConvertTitleFont(TComponent* c, uint8_t d) const
{
    if (PropOfType(c, "TitleFont", "TFont")) ApplyUIFont(d, dynamic_cast<TFont*>(GetObjectPropByName(c, "TitleFont")));
}

void TCodeConverter::ConvertStringsProperty(TComponent* c, const char* name, uint8_t d) const
{
    if (!PropOfType(c, name, "TStrings")) return;
    auto* list = dynamic_cast<TStrings*>(GetObjectPropByName(c, name));
    if (list == nullptr) return;
    const bool isCombo = InheritsFromClassNamed(c, "TCustomComboBox") && list->Count() > 0;
    const int64_t selected = isCombo ? GetOrdPropByName(c, "ItemIndex") : -1;
    list->SetText(ConvertValue(Variant(list->Text()), d).ToString());
    if (isCombo) SetOrdPropByName(c, "ItemIndex", selected);
}

void TCodeConverter::ConvertItems(TComponent* c, uint8_t d) const { ConvertStringsProperty(c, "Items", d); }

void TCodeConverter::ConvertLines(TComponent* c, uint8_t d) const { ConvertStringsProperty(c, "Lines", d); }

void TCodeConverter::ConvertStyle(TComponent* c, uint8_t d) const
{
    if (d == 0) return;
    if (const TPropInfo* p = PropOfType(c, "Style", "TComboBoxStyle")) {
        const bool hasItems = InheritsFromClassNamed(c, "TCustomComboBox");
        const int64_t selected = hasItems ? GetOrdPropByName(c, "ItemIndex") : -1;
        const std::string style = p->EnumNames.at(static_cast<size_t>(GetOrdPropByName(c, "Style")));
        if (style == "csDropDown") TrySetPropPath(c, "Style", Variant("csOwnerDrawVariable"));
        if (style == "csDropDownList") TrySetPropPath(c, "Style", Variant("csOwnerDrawFixed"));
        if (hasItems && selected >= 0 && GetOrdPropByName(c, "ItemIndex") != selected)
            SetOrdPropByName(c, "ItemIndex", selected);
    } else if (const TPropInfo* lb = PropOfType(c, "Style", "TListBoxStyle")) {
        const std::string style = lb->EnumNames.at(static_cast<size_t>(GetOrdPropByName(c, "Style")));
        if (style == "lbStandard") TrySetPropPath(c, "Style", Variant("lbOwnerDrawFixed"));
    }
}

void TCodeConverter::ConvertPanels(TComponent* c, uint8_t d) const
{
    if (!PropOfType(c, "Panels", "TStatusPanels")) return;
    ForEachCollectionItem(GetObjectPropByName(c, "Panels"),
                          [&](TObject* panel) { ConvertTextProperty(panel, "Text", d); });
}

void TCodeConverter::ConvertFormCaption(TCustomForm* form) const
{
    if (form == nullptr || systemCodePage_ != "950" || translator_ == nullptr) return;
    form->SetCaption(translator_->GBToBig5(form->Caption()));
}

void TCodeConverter::ConvertComponents(TCustomForm* form) const
{
    if (translator_ == nullptr || form == nullptr) return;
    const uint8_t d = uiConversion_;
    ConvertFormCaption(form);
    ConvertHints(form, d);
    ApplyUIFont(d, Screen->IconFont());
    ApplyUIFont(d, Screen->HintFont());
    ApplyUIFont(d, Screen->MenuFont());
    // The hint window is made anew with the new hint font.
    const bool hints = Application->ShowHint();
    Application->SetShowHint(false);
    Application->SetShowHint(hints);
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* c = form->Components(i);
        ConvertFont(c, d);
        ConvertTitleFont(c, d);
        ConvertCaption(c, d);
        ConvertHints(c, d);
        ConvertItems(c, d);
        ConvertLines(c, d);
        ConvertStyle(c, d);
        ConvertPanels(c, d);
        ConvertKindSpecific(c, d);
    }
}

void TCodeConverter::ConvertKindSpecific(TComponent* c, uint8_t d) const
{
    const auto text = [this, d](const std::string& s) {
        return d == kGBToBig5 ? GBToBig5(s) : d == kBig5ToGB ? Big5ToGB(s) : s;
    };
    ConvertComponentTexts(c, d, text);
}

TModalResult TCodeConverter::ShowMessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) const
{
    if (text.empty()) return mrNone;
    AnsiString shown = text;
    if (uiCodePage_ == "936" || systemCodePage_ == "936") shown += "      ";
    TMessageDialog dialog(shown, type, buttons);
    if (auto* form = dynamic_cast<TCustomForm*>(Owner())) {
        if (form->WindowState() == wsMinimized) form->SetWindowState(wsNormal);
        dialog.Caption = form->Caption();
    }
    ApplyUIFont(uiConversion_, dialog.Font());
    return dialog.ShowModal();
}

}  // namespace qvn
