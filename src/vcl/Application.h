#pragma once
// TApplication: the one application object of the process (the global
// `Application`). It owns the window handle table and the message queue:
// PostMessage appends to one FIFO queue, SendMessage delivers at once,
// ProcessMessages drains the queue. No threads, no timers: a test (or the
// shell's event loop) calls ProcessMessages when it wants queued work done.
// A message addressed to a window that no longer exists is dropped.
//
// Exceptions escaping a handler during SendMessage or ProcessMessages go
// to HandleException, as they would escape a window procedure: EAbort is
// silent, anything else runs OnException or is shown as an error box
// through the dialog host.

#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <unordered_map>

#include "platform/Strings.h"
#include "vcl/Colors.h"
#include "vcl/Component.h"
#include "vcl/ControlTypes.h"
#include "vcl/Messages.h"

namespace qvn {

class TWinControl;
class TCustomForm;
class TDialogHost;

using TExceptionEvent = Event<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
    QVN_CLASS_INFO()
public:
    TApplication();
    ~TApplication() override;

    // The application's own window; messages to it reach WndProc below.
    HWND Handle() const { return handle_; }
    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& title) { title_ = title; }

    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on) { showHint_ = on; }
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor c) { hintColor_ = c; }
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintShortPause() const { return hintShortPause_; }
    void SetHintShortPause(int ms) { hintShortPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }

    TCustomForm* MainForm() const { return mainForm_; }
    // Creates a form owned by the application (and runs its creation step);
    // the first one becomes the main form.
    template <typename T, typename... Args>
    T* CreateForm(Args&&... args);
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // Window handles. Every handle is a new number; one is never reused.
    HWND AllocateHandle(TWinControl* window);
    // Forgets the handle and drops the messages queued for it.
    void ReleaseHandle(HWND handle);
    TWinControl* FindControl(HWND handle) const;

    // Appends to the queue; false (and nothing queued) when no such window exists.
    bool PostMessage(HWND handle, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Delivers at once and returns the handler's result; 0 when no such window exists.
    LRESULT SendMessage(HWND handle, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The same with the caller's message, whose fields the handlers may change
    // (a key handler zeroing the key, say).
    LRESULT SendMessage(HWND handle, TMessage& message) { return Deliver(handle, message); }
    // Delivers the oldest queued message; false when the queue was empty.
    bool HandleMessage();
    // Delivers queued messages, including those posted meanwhile, until the
    // queue is empty or kMaxMessagesPerDrain were delivered (a handler that
    // keeps re-posting cannot hang the caller; the rest stays queued).
    // Returns the number delivered.
    int ProcessMessages();
    static constexpr int kMaxMessagesPerDrain = 100000;
    std::size_t PendingMessages() const { return queue_.size(); }
    std::size_t PendingMessagesFor(HWND handle) const;

    // Where message dialogs and modal forms go. nullptr restores the headless host.
    TDialogHost& DialogHost() const;
    void SetDialogHost(TDialogHost* host);

    // An exception escaped a handler: EAbort is ignored, then OnException,
    // else an error box with the message (a full stop added) through the dialog host.
    void HandleException(TObject* sender, const std::exception& e);
    void HandleCurrentException(TObject* sender);
    TExceptionEvent OnException;

    // Messages to the application's own window.
    virtual void WndProc(TMessage& message);

    // Frees every component the application owns (forms first in reverse
    // order), clears the queue and the main form: a clean slate between tests.
    void FreeOwnedComponents();

    // Used by CreateForm.
    void FormCreated(TCustomForm* form);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct QueuedMessage {
        HWND Handle;
        TMessage Message;
    };
    LRESULT Deliver(HWND handle, TMessage& message);

    HWND handle_ = 0;
    HWND nextHandle_ = 0x100;
    std::unordered_map<HWND, TWinControl*> windows_;
    std::deque<QueuedMessage> queue_;
    TDialogHost* host_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    AnsiString title_;
    bool showHint_ = true;
    TColor hintColor_ = clInfoBk;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    bool terminated_ = false;
};

// The application object of the process; never freed (forms it still owns at
// exit stay reachable and are not reported as leaks).
extern TApplication* const Application;

}  // namespace qvn

#include "vcl/Form.h"

namespace qvn {

template <typename T, typename... Args>
T* TApplication::CreateForm(Args&&... args)
{
    T* form = NewForm<T>(this, std::forward<Args>(args)...);
    FormCreated(form);
    return form;
}

}  // namespace qvn
