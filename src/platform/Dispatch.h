#pragma once
// Late-bound calls on automation objects and the class registry that creates
// them by program ID ("Prog.Class").

#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.h"

namespace qvn {

enum class CallKind { Method, PropertyGet, PropertyPut };

class Dispatch {
public:
    virtual ~Dispatch() = default;
    // Arguments are passed by reference: a callee may write them back.
    // Unknown members and refused calls raise EOleError.
    virtual Variant Invoke(std::string_view member, CallKind kind, std::span<Variant> args) = 0;

    // Conveniences for callers that do not need arguments back.
    Variant Call(std::string_view member, std::initializer_list<Variant> args = {});
    Variant Get(std::string_view member);
    void Set(std::string_view member, Variant value);
};

// Raises the error an automation object gives for a member it does not have.
[[noreturn]] void RaiseUnknownMember(std::string_view member);

using DispatchFactory = std::function<DispatchPtr()>;

// In-process registration; a later registration of the same ID replaces the earlier one.
void RegisterOleClass(std::string progId, DispatchFactory factory);
void UnregisterOleClass(std::string_view progId);

// Creates the object registered in process under progId, or else the one the
// class table file (QVN_CLASSES, default /etc/qvn/classes.ini) names:
//   [Classes]
//   Prog.Class=library:/path/to/lib.so
// A library entry is loaded once and asked through its C export
// `QvnCreateObject(const char* progId)` for a new object (owned by the caller).
// Raises EOleError "Invalid class string" for an unknown ID, and EOleError with
// the reason when the library or its export cannot be loaded.
DispatchPtr CreateOleObject(std::string_view progId);

// Path of the class table file.
std::string ClassTableFileName();

extern "C" {
// Signature of the export a class library provides.
using QvnCreateObjectFn = Dispatch* (*)(const char* progId);
}

}  // namespace qvn
