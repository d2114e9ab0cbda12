// The shell and the module share the controller by layout: field offsets,
// operation signatures and vtable slots must not move.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "VKLB58C/Controller.h"
#include "host/DLLBTCtrller.h"

namespace qvn::test {
namespace {

// Signatures, boolean widths included.
static_assert(std::is_same_v<decltype(&Controller::GetVersion), void (Controller::*)(WideString&)>);
static_assert(std::is_same_v<decltype(&Controller::GetVisible), int32_t (Controller::*)()>);
static_assert(std::is_same_v<decltype(&Controller::SetVisible), void (Controller::*)(int16_t)>);
static_assert(std::is_same_v<decltype(&Controller::GetHandle), std::uintptr_t (Controller::*)()>);
static_assert(std::is_same_v<decltype(&Controller::InitForm), int32_t (Controller::*)(const Variant&)>);
static_assert(std::is_same_v<decltype(&Controller::SetParams), int32_t (Controller::*)(const Variant&)>);
static_assert(std::is_same_v<decltype(&Controller::SetParam), int32_t (Controller::*)(int32_t, const Variant&)>);
static_assert(std::is_same_v<decltype(&Controller::ShowModal), void (Controller::*)(Variant&)>);
static_assert(std::is_same_v<decltype(&Controller::FreeForm), void (Controller::*)()>);
static_assert(std::is_same_v<decltype(&Controller::GetInfo), int32_t (Controller::*)(Variant&)>);
static_assert(std::is_same_v<decltype(&Controller::IsReleased), bool (Controller::*)()>);
static_assert(sizeof(bool) == 1, "IsReleased answers an 8-bit boolean");
static_assert(std::is_same_v<decltype(&Controller::Notify), void (Controller::*)(int32_t, Controller*)>);
static_assert(std::is_same_v<decltype(&Controller::Reserved), void (Controller::*)()>);
static_assert(std::is_same_v<decltype(Controller::ExitCode), int32_t>);

// The notification handler is plain data: code pointer, then object pointer.
static_assert(std::is_standard_layout_v<ControllerNotifyEvent>);
static_assert(std::is_trivially_copyable_v<ControllerNotifyEvent>);
static_assert(offsetof(ControllerNotifyEvent, Code) == 0);
static_assert(offsetof(ControllerNotifyEvent, Data) == sizeof(void*));
static_assert(sizeof(ControllerNotifyEvent) == 2 * sizeof(void*));

static_assert(kNotifyFormCreated == 256 && kNotifyFormShown == 272 && kNotifyFormHidden == 288 &&
              kNotifyFormDestroyed == 304 && kNotifyCustomEvent == 320);

template <typename T>
std::ptrdiff_t OffsetIn(const Controller& object, const T& field)
{
    return reinterpret_cast<const char*>(&field) - reinterpret_cast<const char*>(&object);
}

constexpr std::ptrdiff_t AlignUp(std::ptrdiff_t offset, std::size_t alignment)
{
    const auto a = static_cast<std::ptrdiff_t>(alignment);
    return (offset + a - 1) / a * a;
}

TEST(ControllerLayout, FieldsFollowTheVtablePointerInOrder)
{
    TDLLBTCtrller controller;
    const Controller& c = controller;
    const std::ptrdiff_t server = sizeof(void*);
    const std::ptrdiff_t exitCode = server + static_cast<std::ptrdiff_t>(sizeof(Variant));
    const std::ptrdiff_t resultData = AlignUp(exitCode + 4, alignof(Variant));
    const std::ptrdiff_t onNotify = AlignUp(resultData + static_cast<std::ptrdiff_t>(sizeof(Variant)), alignof(void*));
    EXPECT_EQ(OffsetIn(c, c.Server), server);
    EXPECT_EQ(OffsetIn(c, c.ExitCode), exitCode);
    EXPECT_EQ(OffsetIn(c, c.ResultData), resultData);
    EXPECT_EQ(OffsetIn(c, c.OnNotify), onNotify);
    // A new controller starts zero-filled.
    EXPECT_TRUE(c.Server.IsEmpty());
    EXPECT_EQ(c.ExitCode, 0);
    EXPECT_TRUE(c.ResultData.IsEmpty());
    EXPECT_EQ(c.OnNotify.Code, nullptr);
    EXPECT_EQ(c.OnNotify.Data, nullptr);
}

#if defined(__x86_64__) || defined(__i386__) || defined(__aarch64__)
// The vtable slot of a virtual member, read from its member-pointer
// representation (Itanium: offset + 1 in the pointer word; ARM: offset in the
// pointer word, the virtual flag in the adjustment).
template <typename M>
std::ptrdiff_t SlotOf(M member)
{
    struct Repr {
        std::ptrdiff_t ptr;
        std::ptrdiff_t adj;
    } repr;
    static_assert(sizeof(M) == sizeof(Repr));
    std::memcpy(&repr, &member, sizeof repr);
#if defined(__aarch64__)
    return repr.ptr / static_cast<std::ptrdiff_t>(sizeof(void*));
#else
    return (repr.ptr - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
#endif
}

TEST(ControllerLayout, EighteenOperationsFollowTheDestructorSlots)
{
    const std::ptrdiff_t slots[] = {
        SlotOf(&Controller::GetVersion), SlotOf(&Controller::GetVisible), SlotOf(&Controller::SetVisible),
        SlotOf(&Controller::GetHandle),  SlotOf(&Controller::InitForm),   SlotOf(&Controller::SetParams),
        SlotOf(&Controller::SetParam),   SlotOf(&Controller::ShowModal),  SlotOf(&Controller::FreeForm),
        SlotOf(&Controller::GetInfo),    SlotOf(&Controller::IsReleased), SlotOf(&Controller::DoCreate),
        SlotOf(&Controller::DoShow),     SlotOf(&Controller::DoHide),     SlotOf(&Controller::DoDestroy),
        SlotOf(&Controller::DoCustomEvent), SlotOf(&Controller::Notify),  SlotOf(&Controller::Reserved),
    };
    for (std::size_t i = 0; i < std::size(slots); ++i) EXPECT_EQ(slots[i], static_cast<std::ptrdiff_t>(i) + 2) << i;
    // The module's classes add no virtual operation before or among them.
    EXPECT_EQ(SlotOf(&TDLLBTCtrller::GetVersion), 2);
    EXPECT_EQ(SlotOf(&TDLLBTCtrller::Reserved), 19);
}
#endif

}  // namespace
}  // namespace qvn::test
