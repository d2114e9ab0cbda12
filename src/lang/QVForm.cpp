#include "lang/QVForm.h"

#include <vector>

#include "lang/DisabledGlyph.h"
#include "lang/LanguageFolder.h"
#include "platform/Edition.h"
#include "platform/OsUtils.h"
#include "vcl/Charsets.h"
#include "vcl/Colors.h"
#include "vcl/PropAccess.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TQVForm, TForm, [](TPropTable& t) {
    AddObjectProp<TQVForm, &TQVForm::QvConverter>(t, "QvConverter", "TCodeConverter");
    AddObjectProp<TQVForm, &TQVForm::LangController>(t, "LangController", "TQvLangController");
})

TQVForm::TQVForm(TComponent* owner) : TForm(owner)
{
    SetCaption("QVForm");
    SetColor(clBtnFace);
    Font()->SetCharset(DEFAULT_CHARSET);
    Font()->SetColor(clWindowText);
    Font()->SetHeight(-13);
    Font()->SetName("宋体");
    Font()->SetStyle({});
    SetKeyPreview(true);
    SetPosition(poScreenCenter);
    SetShowHint(true);
    converter_ = new TCodeConverter(this, TDesignType::dtClient);
    converter_->SetName("QvConverter");
    langController_ = new TQvLangController(this);
    langController_->SetName("LangController");
    OnCreate = TNotifyEvent::Of<&TQVForm::FormCreate>(this);
    OnShow = TNotifyEvent::Of<&TQVForm::FormShow>(this);
}

void TQVForm::FormCreate(TObject*)
{
    converted_ = false;
    translateOnShow_ = true;
    const bool english = GetUICodePage() == "437";
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (HasPropByName(c, "ImeName")) SetStrPropByName(c, "ImeName", "");
        if (english && HasPropByName(c, "Font")) {
            TrySetPropPath(c, "Font.Charset", Variant(GB2312_CHARSET));
            TrySetPropPath(c, "Font.Name", Variant("Tahoma"));
        }
        if constexpr (!kBasicEdition)
            for (TComponent* button : GlyphButtonsOf(c)) AddDisabledImage(button);
    }
}

void TQVForm::FormShow(TObject*)
{
    if (translateOnShow_) TranslateForm(true);
}

void TQVForm::ConvertForm()
{
    if (converted_) return;
    converter_->ConvertComponents(this);
    converted_ = true;
}

TModalResult TQVForm::ShowMessageDlg(const AnsiString& text, TMsgDlgType type, TMsgDlgButtons buttons) const
{
    return converter_->ShowMessageDlg(text, type, buttons);
}

void TQVForm::LoadLanguageChain(TComponent* target, bool wholeChain, std::string_view stopBefore)
{
    if (target == nullptr) return;
    std::vector<std::string> names;
    if (wholeChain) {
        for (const TClassInfo* c = &target->ClassInfo(); c != nullptr && c->Name() != stopBefore; c = c->Parent())
            names.insert(names.begin(), c->Name());
    } else {
        names.push_back(target->ClassName());
    }
    for (const std::string& name : names) {
        langController_->SetLangPackageName(name);
        if (!FileExists(langController_->FileName())) continue;
        langController_->SetActive(true);
        langController_->ReadComponent(target);
    }
}

void TQVForm::LoadFormLanguage(TComponent* target, bool wholeChain) { LoadLanguageChain(target, wholeChain, "TForm"); }

void TQVForm::LoadOwnLanguage(TComponent* target, bool wholeChain) { LoadLanguageChain(target, wholeChain, "TQVForm"); }

void TQVForm::GetLangMsg(std::string_view fileName, std::string_view msgId, std::string& text, bool convertDefault,
                         const std::string& defaultText) const
{
    const std::string fallback = convertDefault ? converter_->DesignToUI(Variant(defaultText)).ToString() : defaultText;
    text = ReadLangMsg(langController_->DesignType(), fileName, msgId, fallback);
}

std::string TQVForm::LangMsg(std::string_view fileName, std::string_view msgId, const std::string& defaultText,
                             bool convertDefault) const
{
    std::string text;
    GetLangMsg(fileName, msgId, text, convertDefault, defaultText);
    return text;
}

}  // namespace qvn
