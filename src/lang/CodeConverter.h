#pragma once
// The code converter: the non-visual component every form owns that decides
// from the configuration which code-page conversions apply, converts the texts
// and fonts of a whole form once, converts values on their way between the
// form, the language files and the database, and shows message boxes in the
// right character set. Characters are converted by the language library.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/ZentorIni.h"
#include "lang/Translator.h"
#include "platform/Variant.h"
#include "vcl/Component.h"
#include "vcl/MessageDialog.h"

namespace qvn {

class TFont;
class TCustomForm;

// Direction codes of the conversions.
enum : uint8_t { kConvertNone = 0, kBig5ToGB = 1, kGBToBig5 = 2 };

class TCodeConverter : public TComponent {
    QVN_CLASS_INFO()
public:
    // Reads the configuration; creates the translator when a UI conversion is
    // configured (raising the translator's error when the library is missing).
    explicit TCodeConverter(TComponent* owner, TDesignType designType = TDesignType::dtClient);
    ~TCodeConverter() override;

    void LoadCodePages();
    TDesignType DesignType() const { return designType_; }
    // Reads the other configuration file; the translator follows the new conversion kind.
    void SetDesignType(TDesignType t);

    const std::string& SystemCodePage() const { return systemCodePage_; }
    const std::string& UICodePage() const { return uiCodePage_; }
    const std::string& DBCodePage() const { return dbCodePage_; }
    uint8_t UIConversion() const { return uiConversion_; }
    uint8_t DataConversion() const { return dataConversion_; }
    bool HasTranslator() const { return translator_ != nullptr; }

    // Value conversions over texts and one- or two-dimensional (nested) arrays.
    Variant DesignToUI(const Variant& v) const;  // errors pass through
    Variant UIToDesign(const Variant& v) const;  // errors give the unconverted value
    Variant DataToUI(const Variant& v) const;    // errors pass through
    Variant UIToData(const Variant& v) const;    // errors give the unconverted value
    std::string GBToBig5(std::string_view text) const;
    std::string Big5ToGB(std::string_view text) const;
    // One text in a direction (1 Big5 -> GB, 2 GB -> Big5, else unchanged).
    std::string ConvertText(std::string_view text, uint8_t direction) const;

    // Kinds 0, 1, 4: SimSun with the GB character set; 2, 3: SimSun with Big5; others unchanged.
    static void ApplyUIFont(uint8_t kind, TFont* font);

    // Converts the whole form once (nothing without a translator).
    void ConvertComponents(TCustomForm* form) const;
    TModalResult ShowMessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) const;

    // Property conversions on one component in direction d.
    void ConvertCaption(TComponent* c, uint8_t d) const;
    void ConvertHints(TComponent* c, uint8_t d) const;
    void ConvertFont(TComponent* c, uint8_t d) const;
    void ConvertTitleFont(TComponent* c, uint8_t d) const;
    void ConvertItems(TComponent* c, uint8_t d) const;
    void ConvertLines(TComponent* c, uint8_t d) const;
    void ConvertStyle(TComponent* c, uint8_t d) const;
    void ConvertPanels(TComponent* c, uint8_t d) const;
    void ConvertFormCaption(TCustomForm* form) const;

private:
    Variant ConvertValue(const Variant& v, uint8_t direction) const;
    Variant ConvertArray(const Variant& v, uint8_t direction) const;
    std::vector<std::string> ConvertTexts(const std::vector<std::string>& texts, uint8_t direction) const;
    std::vector<std::string> ConvertDistinctTexts(const std::vector<std::string_view>& texts, uint8_t direction) const;
    void ConvertStringsProperty(TComponent* c, const char* name, uint8_t d) const;
    void ConvertTextProperty(TObject* c, const char* name, uint8_t d) const;
    void ConvertKindSpecific(TComponent* c, uint8_t d) const;

    std::unique_ptr<TTranslator> translator_;
    std::string systemCodePage_ = "936", uiCodePage_ = "936", dbCodePage_ = "936";
    uint8_t uiConversion_ = 0, dataConversion_ = 0;
    TDesignType designType_ = TDesignType::dtClient;
};

}  // namespace qvn
