#pragma once
// The language controller: a non-visual component that points at one language
// file, loads it, and applies its attributes to a form and its components.
// Missing files are normal: the form then keeps its designed texts.

#include <pugixml.hpp>

#include <memory>
#include <string>

#include "config/ZentorIni.h"
#include "lang/LangReader.h"
#include "vcl/Component.h"
#include "vcl/Strings.h"

namespace qvn {

class LanguageControllerError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "LanguageControllerError"; }
};

class TLanguageController : public TComponent {
    QVN_CLASS_INFO()
public:
    explicit TLanguageController(TComponent* owner);
    ~TLanguageController() override;

    bool Active() const;
    // Raises LanguageControllerError "Cannot Find File %s!" without a file name,
    // or with the parser's reason when the file is not well formed.
    void SetActive(bool value);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name);
    TStrings* ExcludeControls() const { return exclude_.get(); }
    // Copies the names (nullptr clears them).
    void SetExcludeControls(const TStrings* names);
    // The reader of an active controller; raises "No active LanguageController!" otherwise.
    TLangReader& Reader();
    // Applies the loaded file to the component and everything it owns.
    void ReadComponent(TComponent* target) { Reader().ReadComponent(target); }
    void Loaded() override;

    TLoadComponentEvent BeforeLoadComponent, AfterLoadComponent;
    TNotifyEvent BeforeClose, BeforeOpen, AfterOpen, AfterClose;

protected:
    virtual void DoBeforeOpen() { BeforeOpen(this); }
    virtual void DoAfterOpen() { AfterOpen(this); }
    virtual void DoBeforeClose() { BeforeClose(this); }
    virtual void DoAfterClose() { AfterClose(this); }
    virtual void DoBeforeLoadComponent(TComponent* c, pugi::xml_node e) { BeforeLoadComponent(c, e); }
    virtual void DoAfterLoadComponent(TComponent* c, pugi::xml_node e) { AfterLoadComponent(c, e); }

private:
    void Open();
    void CloseDocument();
    std::vector<std::string> ExcludedNames() const;

    std::string fileName_;
    std::unique_ptr<pugi::xml_document> document_;
    std::unique_ptr<TStringList> exclude_;
    std::unique_ptr<TLangReader> reader_;
    bool requestedActive_ = false;
};

class TQvLangController : public TLanguageController {
    QVN_CLASS_INFO()
public:
    explicit TQvLangController(TComponent* owner) : TLanguageController(owner) {}

    const std::string& LangPackageName() const { return packageName_; }
    // Points the controller at <language folder><name>.Lng.
    void SetLangPackageName(const std::string& name);
    TDesignType DesignType() const { return designType_; }
    void SetDesignType(TDesignType t) { designType_ = t; }

private:
    std::string packageName_;
    TDesignType designType_ = TDesignType::dtClient;
};

}  // namespace qvn
