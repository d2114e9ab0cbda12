#include "lang/LangReader.h"

#include "lang/LangPath.h"
#include "platform/CodePage.h"
#include "platform/IniFile.h"
#include "vcl/Component.h"
#include "vcl/PropAccess.h"

namespace qvn {

bool InheritsFromClassNamed(const TObject* object, std::string_view className)
{
    if (object == nullptr) return false;
    for (const TClassInfo* c = &object->ClassInfo(); c != nullptr; c = c->Parent())
        if (c->Name() == className) return true;
    return false;
}

void TComponentRead::ReadAttribute(const Variant& key)
{
    pugi::xml_attribute attribute;
    switch (key.Type()) {
    case VarType::Integer:
    case VarType::Int64: {
        int64_t index = key.ToInt64();
        for (pugi::xml_attribute a = element_.first_attribute(); a && index >= 0; a = a.next_attribute(), --index)
            if (index == 0) attribute = a;
        break;
    }
    case VarType::String:
    case VarType::OleStr:
        attribute = element_.attribute(key.ToString().c_str());
        break;
    default:
        return;
    }
    if (attribute) ApplyAttribute(attribute);
}

void TComponentRead::ReadAll()
{
    for (pugi::xml_attribute a = element_.first_attribute(); a; a = a.next_attribute()) ApplyAttribute(a);
}

void TComponentRead::ApplyAttribute(pugi::xml_attribute attribute)
{
    ApplyLangPath(component_, attribute.name(), WideToAnsi(WideString::FromUtf8(attribute.value())));
}

void TCustomComboBoxRead::ReadAll()
{
    const int64_t selected = GetOrdPropByName(GetComponent(), "ItemIndex");
    TComponentRead::ReadAll();
    SetOrdPropByName(GetComponent(), "ItemIndex", selected);
}

std::unique_ptr<ILangRead> TReaderFactory::CreateReader(TComponent* component, pugi::xml_node element)
{
    if (InheritsFromClassNamed(component, "TwwDBCustomComboBox"))
        return std::make_unique<TwwDBCustomComboBoxRead>(component, element);
    if (InheritsFromClassNamed(component, "TCustomComboBox"))
        return std::make_unique<TCustomComboBoxRead>(component, element);
    return std::make_unique<TComponentRead>(component, element);
}

TLangReader::TLangReader(const pugi::xml_document* document, const std::vector<std::string>& excludeControls,
                         TLoadComponentEvent beforeLoad, TLoadComponentEvent afterLoad)
    : document_(document), exclude_(excludeControls), beforeLoad_(std::move(beforeLoad)), afterLoad_(std::move(afterLoad))
{
}

bool TLangReader::IsExcluded(const std::string& name) const
{
    const std::string trimmed = TrimText(name);
    for (const auto& e : exclude_)
        if (SameTextAscii(TrimText(e), trimmed)) return true;
    return false;
}

void TLangReader::ReadWith(TComponent* component, pugi::xml_node element)
{
    beforeLoad_(component, element);
    TReaderFactory::CreateReader(component, element)->ReadAll();
    afterLoad_(component, element);
}

void TLangReader::ReadComponent(TComponent* component)
{
    if (component == nullptr || document_ == nullptr) return;
    const pugi::xml_node root = document_->document_element();
    if ((InheritsFromClassNamed(component, "TCustomForm") || InheritsFromClassNamed(component, "TDataModule")) && root)
        ReadWith(component, root);
    const std::string& name = component->Name();
    if (!name.empty() && !IsExcluded(name)) {
        const pugi::xml_node element =
            document_->find_node([&](pugi::xml_node n) { return n.type() == pugi::node_element && name == n.name(); });
        if (element) ReadWith(component, element);
    }
    // Components may be added while reading (list lines are not components); walk by index.
    for (int i = 0; i < component->ComponentCount(); ++i) ReadComponent(component->Components(i));
}

}  // namespace qvn
