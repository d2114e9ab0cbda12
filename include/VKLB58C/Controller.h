#pragma once
// The contract between the desktop shell and a program module. The shell loads
// the module, looks up its one export GetController, and from then on drives the
// program only through the controller it gets back: the virtual operations
// below, the four fields it reads and writes directly, and the notification
// callback in OnNotify. Both sides compile this one declaration, so nothing
// here may be reordered, resized or inserted between existing members.
//
// Binary layout (Itanium C++ ABI, as g++ and clang lay it out on Linux):
//
//   object:  [0]  vtable pointer
//            Server      qvn::Variant            (directly after the vtable pointer)
//            ExitCode    int32_t
//            ResultData  qvn::Variant
//            OnNotify    ControllerNotifyEvent   { Code, Data }: two pointers, code first
//
//   vtable slots (one pointer each, counted from the address the object points at):
//            0, 1   destructor (complete-object and deleting entries)
//            2..19  GetVersion, GetVisible, SetVisible, GetHandle, InitForm,
//                   SetParams, SetParam, ShowModal, FreeForm, GetInfo, IsReleased,
//                   DoCreate, DoShow, DoHide, DoDestroy, DoCustomEvent, Notify, Reserved
//
// The destructor comes first because it is the root object's own virtual
// operation: the shell frees the controller with `delete`, and putting the
// destructor ahead of the eighteen operations keeps their slots fixed whatever
// is added to the module's classes below them.
//
// Boolean widths are part of the contract and differ per operation:
// GetVisible answers a 32-bit boolean (-1 true, 0 false), SetVisible takes a
// 16-bit boolean (non-zero shows), IsReleased answers an 8-bit boolean.
//
// Variants: Server and ResultData are qvn::Variant from src/platform/Variant.h,
// so shell and module must be built from the same platform sources with the
// same compiler (the value is shared by layout, not marshalled). The include
// path therefore needs both include/ and src/.
//
// Exceptions: GetController and InitForm may raise qvn::Exception (the two
// internal errors of an incompletely bound module); nothing else leaves the
// module. Catching `const qvn::Exception&` or `const std::exception&` on the
// shell side works: type identity across the boundary is by type name.

#include <cstdint>

#include "platform/Strings.h"
#include "platform/Variant.h"

namespace qvn {

class TObject;
class Controller;

// Notification codes raised through OnNotify; the sender is always the controller.
inline constexpr int32_t kNotifyFormCreated = 0x100;    // 256: the form has just been created
inline constexpr int32_t kNotifyFormShown = 0x110;      // 272: the form became visible
inline constexpr int32_t kNotifyFormHidden = 0x120;     // 288: the form was hidden
inline constexpr int32_t kNotifyFormDestroyed = 0x130;  // 304: the form is being destroyed
inline constexpr int32_t kNotifyCustomEvent = 0x140;    // 320: reserved; the module never raises it

// The shell's notification handler as a method pointer: code pointer first,
// then the object pointer handed back to it. Plain data, usable from C.
// The handler counts as assigned when its code pointer is non-null.
struct ControllerNotifyEvent {
    void (*Code)(void* Data, int32_t NotifyCode, Controller* Sender) = nullptr;
    void* Data = nullptr;
};

class Controller {
public:
    // A window handle as the module hands it out (0 = none).
    using WindowHandle = std::uintptr_t;

    // Slot 0/1. The shell owns the controller and frees it with delete; that
    // frees the form it holds.
    virtual ~Controller() = default;

    // Slots 2..19, in this order.
    virtual void GetVersion(WideString& Version) = 0;                     // untouched without a form
    virtual int32_t GetVisible() = 0;                                     // -1 visible, 0 otherwise
    virtual void SetVisible(int16_t Value) = 0;                           // non-zero shows
    virtual WindowHandle GetHandle() = 0;                                 // 0 without a form
    virtual int32_t InitForm(const Variant& Params) = 0;                  // 0 success, -1 failure
    virtual int32_t SetParams(const Variant& Params) = 0;                 // 0 accepted, -1 refused
    virtual int32_t SetParam(int32_t Code, const Variant& Value) = 0;     // only code 5 is known
    virtual void ShowModal(Variant& ModalResult) = 0;                     // 2 (cancel) without a form
    virtual void FreeForm() = 0;
    virtual int32_t GetInfo(Variant& Info) = 0;                           // 0 filled, -1 no form
    virtual bool IsReleased() = 0;                                        // 8-bit: no form held
    virtual void DoCreate(TObject* Sender) = 0;                           // raises 256
    virtual void DoShow(TObject* Sender) = 0;                             // raises 272
    virtual void DoHide(TObject* Sender) = 0;                             // raises 288
    virtual void DoDestroy(TObject* Sender) = 0;                          // raises 304
    virtual void DoCustomEvent(TObject* Sender) = 0;                      // raises 320
    virtual void Notify(int32_t Code, Controller* Sender) = 0;            // calls OnNotify when assigned
    virtual void Reserved() = 0;                                          // does nothing

    // Fields the shell reads and writes directly, in this order.
    Variant Server;      // the shell's server manager; set before InitForm
    int32_t ExitCode = 0;  // the form's exit code when it went: 1 job submitted, 2 cancelled
    Variant ResultData;  // the form's result when it went: the ticket of the submitted job
    ControllerNotifyEvent OnNotify;

protected:
    Controller() = default;
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;
};

// The module's one export. Raises qvn::Exception when the module binds no controller class.
using GetControllerFunc = Controller* (*)();

}  // namespace qvn

extern "C" __attribute__((visibility("default"))) qvn::Controller* GetController();
