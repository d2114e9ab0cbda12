#pragma once
// The base class of every form of the module. Without code in the form
// itself it gets: a code converter and a language controller as owned
// components, no forced input methods, the English font rule, disabled images
// for single-image glyph buttons, translation from the language files of its
// class chain when shown, one-time conversion of its texts and fonts to the
// user-interface code page, code-page-aware message boxes, and message texts
// from the language files with a built-in default.

#include <string>
#include <string_view>

#include "lang/CodeConverter.h"
#include "lang/LanguageController.h"
#include "vcl/Form.h"

namespace qvn {

class TQVForm : public TForm {
    QVN_CLASS_INFO()
public:
    explicit TQVForm(TComponent* owner);

    TCodeConverter* QvConverter() const { return converter_; }
    TQvLangController* LangController() const { return langController_; }

    // Published handlers; descendants that handle the same events call them first.
    virtual void FormCreate(TObject* sender);
    virtual void FormShow(TObject* sender);

    // Converts all texts and fonts once; later calls do nothing.
    void ConvertForm();
    bool Converted() const { return converted_; }
    TModalResult ShowMessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) const;

    std::string GetSystemCodePage() const { return converter_->SystemCodePage(); }
    std::string GetUICodePage() const { return converter_->UICodePage(); }
    uint8_t GetUIConversion() const { return converter_->UIConversion(); }
    uint8_t GetDataConversion() const { return converter_->DataConversion(); }

    void TranslateForm(bool wholeChain) { LoadFormLanguage(this, wholeChain); }
    // Apply the language files of the target's class chain (most basic first):
    // LoadFormLanguage stops before TForm, LoadOwnLanguage before TQVForm.
    virtual void LoadFormLanguage(TComponent* target, bool wholeChain);
    virtual void LoadOwnLanguage(TComponent* target, bool wholeChain);

    // A message text of a language file (fileName is a class name such as
    // "TfrmBaseGene"); defaultText (in the design code page) when there is none.
    void GetLangMsg(std::string_view fileName, std::string_view msgId, std::string& text, bool convertDefault,
                    const std::string& defaultText) const;
    std::string LangMsg(std::string_view fileName, std::string_view msgId, const std::string& defaultText,
                        bool convertDefault = true) const;

    // Whether the language files are applied when the form is shown.
    bool TranslateOnShow() const { return translateOnShow_; }
    void SetTranslateOnShow(bool on) { translateOnShow_ = on; }

private:
    void LoadLanguageChain(TComponent* target, bool wholeChain, std::string_view stopBefore);

    TCodeConverter* converter_;
    TQvLangController* langController_;
    bool converted_ = false;
    bool translateOnShow_ = false;
};

}  // namespace qvn
