#include "lang/LanguageController.h"

#include "lang/LanguageFolder.h"
#include "lang/XmlFile.h"
#include "platform/Format.h"
#include "vcl/PropTable.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TLanguageController, TComponent)

QVN_DEFINE_CLASS_INFO(TQvLangController, TLanguageController, [](TPropTable& t) {
    AddBoolProp<TLanguageController, &TLanguageController::Active, &TLanguageController::SetActive>(t, "Active");
    AddEventProp<TLanguageController, &TLanguageController::AfterClose>(t, "AfterClose", "TNotifyEvent");
    AddEventProp<TLanguageController, &TLanguageController::AfterOpen>(t, "AfterOpen", "TNotifyEvent");
    AddEventProp<TLanguageController, &TLanguageController::BeforeClose>(t, "BeforeClose", "TNotifyEvent");
    AddEventProp<TLanguageController, &TLanguageController::BeforeOpen>(t, "BeforeOpen", "TNotifyEvent");
    AddEventProp<TLanguageController, &TLanguageController::AfterLoadComponent>(t, "AfterLoadComponent",
                                                                               "TLoadComponentEvent");
    AddEventProp<TLanguageController, &TLanguageController::BeforeLoadComponent>(t, "BeforeLoadComponent",
                                                                                "TLoadComponentEvent");
    AddObjectProp<TLanguageController, &TLanguageController::ExcludeControls>(t, "ExcludeControls", "TStrings");
    AddStrProp<TQvLangController, &TQvLangController::LangPackageName, &TQvLangController::SetLangPackageName>(
        t, "LangPackageName");
    AddEnumProp<TQvLangController, &TQvLangController::DesignType, &TQvLangController::SetDesignType>(
        t, "DesignType", "TDesignType", {"dtClient", "dtServer"});
})

TLanguageController::TLanguageController(TComponent* owner)
    : TComponent(owner), exclude_(std::make_unique<TStringList>())
{
}

TLanguageController::~TLanguageController() = default;

bool TLanguageController::Active() const { return document_ && document_->document_element(); }

std::vector<std::string> TLanguageController::ExcludedNames() const
{
    std::vector<std::string> names;
    for (int i = 0; i < exclude_->Count(); ++i) names.push_back(exclude_->Get(i));
    return names;
}

void TLanguageController::SetActive(bool value)
{
    if (HasState(csLoading)) {
        requestedActive_ = value;
        return;
    }
    if (value == Active()) return;
    if (value)
        Open();
    else {
        DoBeforeClose();
        CloseDocument();
        DoAfterClose();
    }
}

void TLanguageController::Open()
{
    DoBeforeOpen();
    CloseDocument();
    if (fileName_.empty()) throw LanguageControllerError(Format("Cannot Find File %s!", {fileName_}));
    auto doc = std::make_unique<pugi::xml_document>();
    const XmlLoadResult r = LoadXmlFile(fileName_, *doc);
    if (!r.Ok) throw LanguageControllerError(r.Reason);
    document_ = std::move(doc);
    reader_ = std::make_unique<TLangReader>(
        document_.get(), ExcludedNames(),
        TLoadComponentEvent::From([this](TComponent* c, pugi::xml_node e) { DoBeforeLoadComponent(c, e); }),
        TLoadComponentEvent::From([this](TComponent* c, pugi::xml_node e) { DoAfterLoadComponent(c, e); }));
    DoAfterOpen();
}

void TLanguageController::CloseDocument()
{
    reader_.reset();
    document_.reset();
}

void TLanguageController::SetFileName(const std::string& name)
{
    if (name == fileName_) return;
    fileName_ = name;
    SetActive(false);
}

void TLanguageController::SetExcludeControls(const TStrings* names)
{
    exclude_->Clear();
    if (names != nullptr) exclude_->Assign(*names);
    if (reader_) reader_->SetExcludeControls(ExcludedNames());
}

TLangReader& TLanguageController::Reader()
{
    if (!Active() || !reader_) throw LanguageControllerError("No active LanguageController!");
    return *reader_;
}

void TLanguageController::Loaded()
{
    TComponent::Loaded();
    if (requestedActive_) SetActive(true);
}

void TQvLangController::SetLangPackageName(const std::string& name)
{
    if (name == packageName_) return;
    packageName_ = name;
    SetFileName(GetLanguageFolder(designType_) + name + ".Lng");
}

}  // namespace qvn
