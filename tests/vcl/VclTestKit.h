#pragma once
// Small stand-ins for standard controls and a fixture that leaves the
// application clean, for the tests of the control core.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Robot.h"
#include "vcl/Application.h"
#include "vcl/Form.h"
#include "vcl/Screen.h"

namespace qvn::test {

// An edit: a tab stop that keeps the arrow keys and reports text changes.
class TTestEdit : public TWinControl {
public:
    explicit TTestEdit(TComponent* owner, TWinControl* parent = nullptr, const std::string& name = "") : TWinControl(owner)
    {
        SetTabStop(true);
        SetBounds(0, 0, 121, 21);
        if (!name.empty()) SetName(name);
        if (parent != nullptr) SetParent(parent);
    }
    TNotifyEvent OnChange;

protected:
    void TextChanged() override { OnChange(this); }
    LRESULT DialogCode() const override { return DLGC_WANTARROWS; }
};

// A button: a tab stop; as the default button it answers Enter.
class TTestButton : public TWinControl {
public:
    explicit TTestButton(TComponent* owner, TWinControl* parent = nullptr, const std::string& name = "") : TWinControl(owner)
    {
        SetTabStop(true);
        SetBounds(0, 0, 75, 25);
        if (!name.empty()) SetName(name);
        if (parent != nullptr) SetParent(parent);
    }
    bool Default = false;

protected:
    bool DialogKey(Word key, TShiftState shift) override
    {
        if (key == VK_RETURN && Default && shift.Empty() && CanFocus()) {
            Click();
            return true;
        }
        return TWinControl::DialogKey(key, shift);
    }
};

// A container: holds controls, is no tab stop, does not take the focus on click.
class TTestPanel : public TWinControl {
public:
    explicit TTestPanel(TComponent* owner, TWinControl* parent = nullptr, const std::string& name = "") : TWinControl(owner)
    {
        SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
        SetBounds(0, 0, 185, 41);
        if (!name.empty()) SetName(name);
        if (parent != nullptr) SetParent(parent);
    }
};

// Every test starts and ends with no forms, no queued messages and an empty dialog record.
class VclTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Application->FreeOwnedComponents();
        EXPECT_EQ(Screen->FormCount(), 0) << "a test left a form behind";
        EXPECT_EQ(Application->PendingMessages(), 0u);
    }

    // A visible form owned by the application, of the given client size and no border.
    template <typename F = TForm>
    F* NewShownForm(const std::string& name, int width = 400, int height = 300)
    {
        F* form = NewForm<F>(Application);
        form->SetName(name);
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, width, height);
        form->Show();
        return form;
    }

    // Records "<what> <name>" for the focus events of a control.
    void Trace(TWinControl* c)
    {
        c->OnEnter = TNotifyEvent::From([this, c](TObject*) { log.push_back("enter " + c->Name()); });
        c->OnExit = TNotifyEvent::From([this, c](TObject*) { log.push_back("exit " + c->Name()); });
    }

    Robot robot;
    std::vector<std::string> log;
};

}  // namespace qvn::test
