#pragma once
// Run-time class information: every class of the component model has one
// static TClassInfo holding its name, its parent's info and its published
// properties (its own plus every inherited one). The table is built once, on
// first use, and answers a property name (case-insensitively) in constant
// time. Access by name, property paths, identifier mappings and any form
// loader all go through it.

#include <cstdint>
#include <functional>  // kept: includers of this header have long relied on it
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exceptions.h"
#include "vcl/Event.h"
#include "vcl/PropNameKey.h"

namespace qvn {

class TObject;

enum class TTypeKind { tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod, tkInt64 };

// One published property. Ordinal kinds (integer, char, enumeration, set as a
// bit mask of element ordinals, int64) use GetOrd/SetOrd; floats GetFloat/SetFloat;
// strings GetStr/SetStr; classes GetObject (and SetObject when assignable);
// methods GetMethod/SetMethod. A missing setter means read-only.
struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::tkUnknown;
    std::string TypeName;                // "Integer", "TColor", "TAlign", "TFont", "TNotifyEvent", ...
    std::vector<std::string> EnumNames;  // enumeration values / set elements in ordinal order
    const TPropInfo* Owner = nullptr;    // unused; keeps the layout open for index properties
    // Range an ordinal setter accepts (from its parameter type; sets: the mask of their elements).
    int64_t MinValue = INT64_MIN;
    int64_t MaxValue = INT64_MAX;

    // Plain function pointers: the adders generate one captureless thunk per
    // accessor, so a call costs one indirect jump and no type-erasure.
    int64_t (*GetOrd)(const TObject*) = nullptr;
    void (*SetOrd)(TObject*, int64_t) = nullptr;
    double (*GetFloat)(const TObject*) = nullptr;
    void (*SetFloat)(TObject*, double) = nullptr;
    std::string (*GetStr)(const TObject*) = nullptr;
    void (*SetStr)(TObject*, const std::string&) = nullptr;
    TObject* (*GetObject)(const TObject*) = nullptr;
    void (*SetObject)(TObject*, TObject*) = nullptr;
    TMethod (*GetMethod)(const TObject*) = nullptr;
    void (*SetMethod)(TObject*, const TMethod&) = nullptr;

    bool IsWritable() const
    {
        return SetOrd != nullptr || SetFloat != nullptr || SetStr != nullptr || SetObject != nullptr || SetMethod != nullptr;
    }
};

// A property that does not exist, is read-only or was given a value it cannot take.
QVN_DECLARE_EXCEPTION(EPropertyError, Exception)

// Collects the properties a class publishes (see PropTable.h for the typed adders).
class TPropTable {
public:
    TPropInfo& Add(TPropInfo info)
    {
        props_.push_back(std::make_unique<TPropInfo>(std::move(info)));
        return *props_.back();
    }
    std::vector<std::unique_ptr<TPropInfo>>& Props() { return props_; }

private:
    std::vector<std::unique_ptr<TPropInfo>> props_;
};

class TClassInfo {
public:
    using Builder = void (*)(TPropTable&);
    TClassInfo(const char* name, const TClassInfo* parent, Builder build = nullptr);
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const std::string& Name() const { return name_; }
    const TClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo& other) const;

    // Own or inherited property of that name (case-insensitive), or nullptr. A
    // class may republish a parent's property under the same name; its own wins.
    [[gnu::always_inline]] const TPropInfo* FindProp(std::string_view name) const
    {
        if (name.empty()) return nullptr;
        return FindProp(prop_name::NameKey(name), name);
    }
    // The same, for a key the caller already made of name. The common case (a
    // name as declared, in its home slot) is straight-line code; anything
    // else goes to the probing loop out of line, which keeps the callers' hot
    // paths small.
    [[gnu::always_inline]] const TPropInfo* FindProp(const prop_name::NameKey& k, std::string_view name) const
    {
        const size_t home = HomeSlot(k.CaseBlindMixed() * kHashMultiplier);
        const Slot& slot = slots_[home];
        if (slot.Head == k.Head && slot.Tail == k.Tail && slot.Length == k.Length && k.IsComplete() &&
            slot.Prop != nullptr) [[likely]]
            return slot.Prop;
        return ProbeFrom(home, k, name);
    }
    // All properties, inherited first, in declaration order.
    const std::vector<const TPropInfo*>& Props() const { return ordered_; }

private:
    std::string name_;
    const TClassInfo* parent_;
    std::vector<std::unique_ptr<TPropInfo>> own_;
    std::vector<const TPropInfo*> ordered_;
    // Open-addressing table of the effective properties, built once. A slot
    // holds the declared name's key (PropNameKey.h): for a name of up to 16
    // characters written as declared the key alone decides, so a hit needs
    // neither a pointer chase nor a character loop; other spellings and longer
    // names compare in full. The table has at least
    // four slots per name and its offset is chosen so that as few names
    // as possible sit away from their home slot (usually none): a lookup is
    // one hash and one slot, with linear probing left for the rare collision.
    struct Slot {
        uint64_t Head = 0;
        uint64_t Tail = 0;
        uint64_t Length = 0;
        const TPropInfo* Prop = nullptr;  // nullptr: empty
    };
    // The multiply depends on the name alone, so it runs while the object's
    // class is still being loaded; the class only adds its offset and shifts.
    static constexpr uint64_t kHashMultiplier = 0x9E3779B97F4A7C15ull;
    size_t HomeSlot(uint64_t hash) const { return static_cast<size_t>((hash + offset_) >> shift_); }
    void BuildIndex();
    // Names away from home when the keys are placed with that offset.
    size_t PlaceAll(const std::vector<Slot>& entries, uint64_t offset);
    static bool SameNameAscii(std::string_view a, std::string_view b) noexcept;
    [[gnu::noinline]] const TPropInfo* ProbeFrom(size_t i, const prop_name::NameKey& k, std::string_view name) const;
    std::vector<Slot> slots_;  // size a power of two, at most a quarter full
    uint64_t offset_ = 0;
    unsigned shift_ = 60;
    size_t mask_ = 0;
};

// Declares the class information members of a class of the component model.
// An object learns its class by stamping: each class level's constructor
// stores its own table in the object before running its body, so after
// construction the object holds its most derived class. ClassInfo() is then
// one load instead of a virtual call, which access by name pays per path
// segment. During a base's constructor the object answers the base, as a
// virtual call would.
struct TClassStamp {};

// Declares the class information members of a class of the component model.
#define QVN_CLASS_INFO()                                                                 \
public:                                                                                  \
    static const ::qvn::TClassInfo& StaticClassInfo();                                   \
                                                                                         \
private:                                                                                 \
    [[no_unique_address]] ::qvn::TClassStamp qvnClassStamp_ = StampClass(StaticClassInfo()); \
                                                                                         \
private:

// Defines them: QVN_DEFINE_CLASS_INFO(TFont, TPersistent, [](TPropTable& t) { ... })
#define QVN_DEFINE_CLASS_INFO(Class, Parent, ...)                                        \
    const ::qvn::TClassInfo& Class::StaticClassInfo()                                    \
    {                                                                                    \
        static const ::qvn::TClassInfo info(#Class, &Parent::StaticClassInfo(), ##__VA_ARGS__); \
        return info;                                                                     \
    }

}  // namespace qvn
