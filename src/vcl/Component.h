#pragma once
// Components: named objects in an ownership tree. The Owner is the only
// lifetime owner: it frees what it owns, in reverse order of creation.
// Components that refer to one another ask for a free notification, so no
// reference outlives its target.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Exceptions.h"
#include "vcl/Object.h"

namespace qvn {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
};

class TComponent : public TPersistent {
    QVN_CLASS_INFO()
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    const std::string& Name() const { return name_; }
    // Raises EComponentError for an invalid identifier or a name already used
    // by another component of the same owner.
    virtual void SetName(const std::string& name);
    TComponent* Owner() const { return owner_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;  // raises EListError out of range
    int ComponentIndex() const;               // position in the owner's list, -1 without owner
    // Owned component by name (case-insensitive), or nullptr.
    TComponent* FindComponent(std::string_view name) const;

    void InsertComponent(TComponent* component);  // takes ownership
    void RemoveComponent(TComponent* component);  // gives it up (the caller owns it then)

    unsigned ComponentState() const { return state_; }
    bool HasState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
    void SetState(TComponentStateFlag flag, bool on);
    bool IsDestroying() const { return HasState(csDestroying); }
    // Marks this component and everything it owns as being destroyed.
    virtual void Destroying();
    // Called when the component has been read from a description (its properties
    // are all set); ends the loading state. Derived classes finish deferred work here.
    virtual void Loaded();

    // other gets Notification(this, opRemove) when this component is freed, and
    // this one gets it when other is freed.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

protected:
    // Called when a component this one knows of is inserted or removed; a
    // derived class drops its references to a removed component here.
    virtual void Notification(TComponent* component, TOperation operation);

    // A reference field of this component that must not dangle: ReferTo
    // points it at target (or nullptr) and asks target to say when it is
    // freed; the Notification override clears it through ForgetIfFreed.
    // Returns false when the field already held target.
    template <typename T>
    bool ReferTo(T*& field, T* target)
    {
        if (field == target) return false;
        field = target;
        if (target != nullptr) target->FreeNotification(this);
        return true;
    }
    template <typename T>
    static void ForgetIfFreed(T*& field, const TComponent* component, TOperation operation)
    {
        if (operation == TOperation::opRemove && field != nullptr && component == field) field = nullptr;
    }

private:
    void NotifyAll(TComponent* component, TOperation operation);

    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    unsigned state_ = 0;
    int tag_ = 0;
};

class EComponentError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EComponentError"; }
};

class EListError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EListError"; }
};

}  // namespace qvn
