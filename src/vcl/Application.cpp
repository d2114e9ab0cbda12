#include "vcl/Application.h"

#include <algorithm>

#include "vcl/DialogHost.h"
#include "vcl/HeadlessDialogHost.h"
#include "vcl/MessageDialog.h"
#include "vcl/WinControl.h"

namespace qvn {

QVN_DEFINE_CLASS_INFO(TApplication, TComponent)

TApplication::TApplication() : TComponent(nullptr)
{
    handle_ = nextHandle_++;
}

TApplication::~TApplication() = default;

HWND TApplication::AllocateHandle(TWinControl* window)
{
    const HWND h = nextHandle_++;
    windows_[h] = window;
    return h;
}

void TApplication::ReleaseHandle(HWND handle)
{
    windows_.erase(handle);
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(), [&](const QueuedMessage& q) { return q.Handle == handle; }),
                 queue_.end());
}

TWinControl* TApplication::FindControl(HWND handle) const
{
    auto it = windows_.find(handle);
    return it == windows_.end() ? nullptr : it->second;
}

bool TApplication::PostMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (handle != handle_ && FindControl(handle) == nullptr) return false;
    queue_.push_back(QueuedMessage{handle, TMessage{msg, wParam, lParam, 0}});
    return true;
}

LRESULT TApplication::SendMessage(HWND handle, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    return Deliver(handle, m);
}

LRESULT TApplication::Deliver(HWND handle, TMessage& m)
{
    TObject* sender = this;
    try {
        if (handle == handle_) {
            WndProc(m);
            return m.Result;
        }
        TWinControl* target = FindControl(handle);
        if (target == nullptr) return 0;
        sender = target;
        // The target may free itself in its handler: nothing touches it afterwards.
        target->WndProc(m);
        return m.Result;
    } catch (...) {
        HandleCurrentException(FindControl(handle) != nullptr ? sender : this);
        return 0;
    }
}

bool TApplication::HandleMessage()
{
    if (queue_.empty()) return false;
    QueuedMessage q = queue_.front();
    queue_.pop_front();
    Deliver(q.Handle, q.Message);
    return true;
}

int TApplication::ProcessMessages()
{
    int delivered = 0;
    while (delivered < kMaxMessagesPerDrain && HandleMessage()) ++delivered;
    return delivered;
}

std::size_t TApplication::PendingMessagesFor(HWND handle) const
{
    return static_cast<std::size_t>(
        std::count_if(queue_.begin(), queue_.end(), [&](const QueuedMessage& q) { return q.Handle == handle; }));
}

void TApplication::WndProc(TMessage& message)
{
    if (message.Msg == WM_QUIT || message.Msg == WM_CLOSE) Terminate();
}

TDialogHost& TApplication::DialogHost() const
{
    if (host_ != nullptr) return *host_;
    return HeadlessDialogHost();
}

void TApplication::SetDialogHost(TDialogHost* host) { host_ = host; }

void TApplication::HandleException(TObject* sender, const std::exception& e)
{
    if (dynamic_cast<const EAbort*>(&e) != nullptr) return;
    if (OnException.Assigned()) {
        OnException(sender, e);
        return;
    }
    AnsiString text = e.what();
    // The error box ends the message with a full stop, as the class library does.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    TMessageDialog box(text, mtError, {mbOK});
    box.Caption = title_;
    box.ShowModal();
}

void TApplication::HandleCurrentException(TObject* sender)
{
    try {
        throw;
    } catch (const std::exception& e) {
        HandleException(sender, e);
    } catch (...) {
        const Exception unknown("Unknown exception");
        HandleException(sender, unknown);
    }
}

void TApplication::FormCreated(TCustomForm* form)
{
    if (mainForm_ == nullptr) mainForm_ = form;
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::FreeOwnedComponents()
{
    while (ComponentCount() > 0) FreeComponent(Components(ComponentCount() - 1));
    queue_.clear();
    mainForm_ = nullptr;
    terminated_ = false;
}

namespace {
TApplication* MakeApplication() { return new TApplication(); }
}  // namespace

TApplication* const Application = MakeApplication();

}  // namespace qvn
