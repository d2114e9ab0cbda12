#pragma once
// Run-time class information: every class of the component model has one
// static TClassInfo holding its name, its parent's info and its published
// properties (its own plus every inherited one). The table is built once, on
// first use, and answers a property name (case-insensitively) in constant
// time. Access by name, property paths, identifier mappings and any form
// loader all go through it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exceptions.h"
#include "vcl/Event.h"

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

    std::function<int64_t(const TObject*)> GetOrd;
    std::function<void(TObject*, int64_t)> SetOrd;
    std::function<double(const TObject*)> GetFloat;
    std::function<void(TObject*, double)> SetFloat;
    std::function<std::string(const TObject*)> GetStr;
    std::function<void(TObject*, const std::string&)> SetStr;
    std::function<TObject*(const TObject*)> GetObject;
    std::function<void(TObject*, TObject*)> SetObject;
    std::function<TMethod(const TObject*)> GetMethod;
    std::function<void(TObject*, const TMethod&)> SetMethod;

    bool IsWritable() const { return SetOrd || SetFloat || SetStr || SetObject || SetMethod; }
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
    const TPropInfo* FindProp(std::string_view name) const;
    // All properties, inherited first, in declaration order.
    const std::vector<const TPropInfo*>& Props() const { return ordered_; }

private:
    std::string name_;
    const TClassInfo* parent_;
    std::vector<std::unique_ptr<TPropInfo>> own_;
    std::vector<const TPropInfo*> ordered_;
    // Open-addressing table of the effective properties, built once: a lookup
    // hashes the name folding ASCII case, so no copy of the name is made.
    struct Slot {
        uint32_t Hash = 0;
        uint32_t KeyLength = 0;
        const char* Key = nullptr;  // the name in upper case (in keys_)
        const TPropInfo* Prop = nullptr;
    };
    void BuildIndex();
    std::vector<Slot> slots_;  // size a power of two, at most half full
    size_t mask_ = 0;
    std::vector<std::string> keys_;
};

// Declares the class information members of a class of the component model.
#define QVN_CLASS_INFO()                                                                 \
public:                                                                                  \
    static const ::qvn::TClassInfo& StaticClassInfo();                                   \
    const ::qvn::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }   \
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
