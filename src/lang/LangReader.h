#pragma once
// Applying a loaded language file to components: the reader walks a
// component tree; for each component with an element in the file a small
// reading object applies the element's attributes as property assignments.

#include <pugixml.hpp>

#include <memory>
#include <string>
#include <vector>

#include "platform/Variant.h"
#include "vcl/Event.h"

namespace qvn {

class TComponent;
class TStringList;

using TLoadComponentEvent = Event<void(TComponent* Component, pugi::xml_node Element)>;

// One component and its element.
class ILangRead {
public:
    virtual ~ILangRead() = default;
    virtual TComponent* GetComponent() const = 0;
    virtual pugi::xml_node GetNode() const = 0;
    virtual void SetComponent(TComponent* component) = 0;
    virtual void SetNode(pugi::xml_node node) = 0;
    // Key: an integer (attribute by index) or a text (attribute by name); anything else does nothing.
    virtual void ReadAttribute(const Variant& key) = 0;
    virtual void ReadAll() = 0;
};

class TComponentRead : public ILangRead {
public:
    TComponentRead(TComponent* component, pugi::xml_node element) : component_(component), element_(element) {}
    TComponent* GetComponent() const override { return component_; }
    pugi::xml_node GetNode() const override { return element_; }
    void SetComponent(TComponent* component) override { component_ = component; }
    void SetNode(pugi::xml_node node) override { element_ = node; }
    void ReadAttribute(const Variant& key) override;
    void ReadAll() override;

protected:
    virtual void ApplyAttribute(pugi::xml_attribute attribute);

private:
    TComponent* component_;
    pugi::xml_node element_;
};

// Combo boxes keep their selected index while their item texts change.
class TCustomComboBoxRead : public TComponentRead {
public:
    using TComponentRead::TComponentRead;
    void ReadAll() override;
};

// The database combo box of the data-aware pack behaves the same way.
class TwwDBCustomComboBoxRead : public TCustomComboBoxRead {
public:
    using TCustomComboBoxRead::TCustomComboBoxRead;
};

class TReaderFactory {
public:
    static std::unique_ptr<ILangRead> CreateReader(TComponent* component, pugi::xml_node element);
};

class TLangReader {
public:
    TLangReader(const pugi::xml_document* document, const std::vector<std::string>& excludeControls,
                TLoadComponentEvent beforeLoad, TLoadComponentEvent afterLoad);
    virtual ~TLangReader() = default;
    virtual void ReadComponent(TComponent* component);
    void SetExcludeControls(const std::vector<std::string>& names) { exclude_ = names; }

private:
    bool IsExcluded(const std::string& name) const;
    void ReadWith(TComponent* component, pugi::xml_node element);

    const pugi::xml_document* document_;
    std::vector<std::string> exclude_;
    TLoadComponentEvent beforeLoad_, afterLoad_;
};

// Whether the object's class or one of its ancestors has that class name.
bool InheritsFromClassNamed(const TObject* object, std::string_view className);

}  // namespace qvn
