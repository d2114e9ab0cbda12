#include "vcl/Component.h"

#include <algorithm>
#include <cctype>

#include "platform/IniFile.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

bool IsValidIdent(std::string_view name)
{
    if (name.empty()) return true;  // an unnamed component
    auto isStart = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; };
    if (!isStart(name[0])) return false;
    return std::all_of(name.begin(), name.end(),
                       [&](char c) { return isStart(c) || std::isdigit(static_cast<unsigned char>(c)); });
}

void Erase(std::vector<TComponent*>& list, TComponent* c)
{
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
}

}  // namespace

QVN_DEFINE_CLASS_INFO(TComponent, TPersistent, [](TPropTable& t) {
    AddStrProp<TComponent, &TComponent::Name, &TComponent::SetName>(t, "Name", "TComponentName");
    AddIntProp<TComponent, &TComponent::Tag, &TComponent::SetTag>(t, "Tag");
})

TComponent::TComponent(TComponent* owner)
{
    if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(other->freeNotifies_, this);
        other->Notification(this, TOperation::opRemove);
    }
    while (!components_.empty()) {
        TComponent* child = components_.back();
        RemoveComponent(child);
        delete child;
    }
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_) return;
    if (!IsValidIdent(name)) throw EComponentError("'" + name + "' is not a valid component name");
    if (owner_ != nullptr && !name.empty()) {
        TComponent* same = owner_->FindComponent(name);
        if (same != nullptr && same != this) throw EComponentError("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (owner_ == nullptr) return -1;
    auto it = std::find(owner_->components_.begin(), owner_->components_.end(), this);
    return it == owner_->components_.end() ? -1 : static_cast<int>(it - owner_->components_.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameTextAscii(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component == nullptr || component->owner_ == this) return;
    if (!component->name_.empty()) {
        TComponent* same = FindComponent(component->name_);
        if (same != nullptr) throw EComponentError("A component named " + component->name_ + " already exists");
    }
    if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    NotifyAll(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (component == nullptr || component->owner_ != this) return;
    NotifyAll(component, TOperation::opRemove);
    Erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::NotifyAll(TComponent* component, TOperation operation) { Notification(component, operation); }

void TComponent::SetState(TComponentStateFlag flag, bool on)
{
    if (on)
        state_ |= flag;
    else
        state_ &= ~static_cast<unsigned>(flag);
}

void TComponent::Destroying()
{
    if (IsDestroying()) return;
    state_ |= csDestroying;
    for (TComponent* c : components_) c->Destroying();
}

void TComponent::Loaded() { SetState(csLoading, false); }

void TComponent::FreeNotification(TComponent* other)
{
    if (other == nullptr || other == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) freeNotifies_.push_back(other);
    if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) == other->freeNotifies_.end())
        other->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (other == nullptr) return;
    Erase(freeNotifies_, other);
    Erase(other->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component != nullptr) RemoveFreeNotification(component);
    // Owned components hear of it too, so a sibling that refers to a removed one can let go.
    for (size_t i = 0; i < components_.size(); ++i)
        if (components_[i] != component) components_[i]->Notification(component, operation);
}

}  // namespace qvn
