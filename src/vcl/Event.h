#pragma once
// Event handlers as the class library has them: one assignable handler per
// event, made of a code pointer and an object pointer, that can be copied,
// saved, compared (with another handler or with the empty one) and restored.
// That is what lets a form's own handler and a controller's handler chain:
// save the old one, install yours, call the old one from yours.
//
//   OnClick = Event<void(TObject*)>::Of<&TMyForm::btnOkClick>(this);
//   OnClick = Event<void(TObject*)>::From([](TObject*) { ... });
//
// Calling a handler works on a copy, so it survives the sender (which holds
// the handler) being freed inside it.

#include <memory>
#include <type_traits>
#include <utility>

namespace qvn {

class TObject;

// The untyped form of any handler (for published method properties).
struct TMethod {
    void* Code = nullptr;
    void* Data = nullptr;
    std::shared_ptr<void> Hold;  // keeps a bound callable alive
    explicit operator bool() const { return Code != nullptr; }
    friend bool operator==(const TMethod& a, const TMethod& b) { return a.Code == b.Code && a.Data == b.Data; }
};

template <typename Sig>
class Event;

template <typename R, typename... Args>
class Event<R(Args...)> {
    using Thunk = R (*)(void*, Args...);

public:
    Event() = default;
    Event(std::nullptr_t) {}

    // A member function bound to an object (the usual "procedure of object").
    template <auto Method, typename C>
    static Event Of(C* object)
    {
        Event e;
        e.code_ = &MemberThunk<C, Method>;
        e.data_ = object;
        return e;
    }

    // Any callable; two handlers made from it compare equal only when one is a copy of the other.
    template <typename F>
    static Event From(F&& callable)
    {
        using Fn = std::decay_t<F>;
        auto holder = std::make_shared<Fn>(std::forward<F>(callable));
        Event e;
        e.code_ = &CallableThunk<Fn>;
        e.data_ = holder.get();
        e.hold_ = std::move(holder);
        return e;
    }

    bool Assigned() const { return code_ != nullptr; }
    explicit operator bool() const { return Assigned(); }
    // The object a member handler is bound to (nullptr for callables and the empty handler).
    void* Data() const { return hold_ ? nullptr : data_; }

    // Calls the handler; the empty handler does nothing (and returns R{}).
    R operator()(Args... args) const
    {
        if (code_ == nullptr) {
            if constexpr (std::is_void_v<R>)
                return;
            else
                return R{};
        }
        const Event keep(*this);
        return keep.code_(keep.data_, std::forward<Args>(args)...);
    }

    TMethod ToMethod() const { return TMethod{reinterpret_cast<void*>(code_), data_, hold_}; }
    static Event FromMethod(const TMethod& m)
    {
        Event e;
        e.code_ = reinterpret_cast<Thunk>(m.Code);
        e.data_ = m.Data;
        e.hold_ = m.Hold;
        return e;
    }

    friend bool operator==(const Event& a, const Event& b) { return a.code_ == b.code_ && a.data_ == b.data_; }

private:
    template <typename C, auto Method>
    static R MemberThunk(void* data, Args... args)
    {
        return (static_cast<C*>(data)->*Method)(std::forward<Args>(args)...);
    }
    template <typename Fn>
    static R CallableThunk(void* data, Args... args)
    {
        return (*static_cast<Fn*>(data))(std::forward<Args>(args)...);
    }

    Thunk code_ = nullptr;
    void* data_ = nullptr;
    std::shared_ptr<void> hold_;
};

using TNotifyEvent = Event<void(TObject* Sender)>;

}  // namespace qvn
