#pragma once
// What the controller needs of a program form, and nothing more. The program
// form framework provides it (through an adapter kept in this folder, so the
// form layers never depend on the host layer); tests provide stand-ins.

#include <cstdint>
#include <string>

#include "VKLB58C/Controller.h"
#include "platform/Strings.h"
#include "platform/Variant.h"
#include "vcl/Event.h"

namespace qvn {

enum class TProgramWindowState { Normal, Minimized, Maximized };

class IProgramForm {
public:
    using WindowHandle = Controller::WindowHandle;

    virtual ~IProgramForm() = default;

    // Where the form was loaded from; the form derives its program ID from it.
    virtual void SetModuleFileName(const std::string& fileName) = 0;
    // The form's own copy of the shell's server manager.
    virtual Variant& ServerManager() = 0;
    // Initialises the form from the host parameter array; false when refused
    // (the form has shown its message by then). Makes the form invisible.
    virtual bool InitForm(const Variant& params) = 0;
    // The run-parameter entry.
    virtual void ApplyRunParams(const Variant& params) = 0;

    virtual AnsiString VersionText() const = 0;
    virtual AnsiString UserID() const = 0;
    virtual AnsiString CompanyCode() const = 0;
    virtual AnsiString ProgramID() const = 0;    // upper case
    virtual AnsiString ProgramName() const = 0;  // as the server names the program
    // 0 until set: 1 job submitted, 2 cancelled.
    virtual int32_t ExitCode() const = 0;
    // The ticket of the job the server accepted last (Empty when none).
    virtual Variant ResultData() const = 0;

    virtual bool Visible() const = 0;
    virtual void SetVisible(bool value) = 0;
    virtual TProgramWindowState WindowState() const = 0;
    virtual void SetWindowState(TProgramWindowState state) = 0;
    // The form's window handle, created on demand.
    virtual WindowHandle Handle() = 0;
    // Makes the form's window the foreground window.
    virtual void BringToForeground() = 0;
    // Shows the form modally; the modal result.
    virtual int ShowModal() = 0;

    // The form's events. OnDestroy must run while the form's state (exit
    // code, result) can still be read.
    virtual TNotifyEvent& OnShow() = 0;
    virtual TNotifyEvent& OnHide() = 0;
    virtual TNotifyEvent& OnDestroy() = 0;

    virtual bool IsDestroying() const = 0;
    // Frees the form; its OnDestroy runs on the way.
    virtual void Destroy() = 0;
};

}  // namespace qvn
