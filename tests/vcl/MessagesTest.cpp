#include <gtest/gtest.h>

#include "VclTestKit.h"

namespace qvn::test {
namespace {

constexpr UINT QVM_PING = WM_USER + 10;

// A window that records the messages it handles and can re-post one.
class TListener : public TWinControl {
public:
    TListener(std::vector<std::string>* log, const std::string& name) : TWinControl(nullptr), log_(log) { SetName(name); }
    WPARAM repostBelow = 0;  // re-posts with WParam + 1 while WParam is below this

protected:
    void Dispatch(TMessage& m) override
    {
        switch (m.Msg) {
        case QVM_PING:
            log_->push_back(Name() + " ping " + std::to_string(m.WParam) + "," + std::to_string(m.LParam));
            if (m.WParam < repostBelow) Application->PostMessage(Handle(), QVM_PING, m.WParam + 1, 0);
            m.Result = 7;
            return;
        case WM_MOVE:
            log_->push_back(Name() + " move " + std::to_string(PointParamX(m.LParam)) + "," + std::to_string(PointParamY(m.LParam)));
            return;
        case WM_SIZE:
            log_->push_back(Name() + " size " + std::to_string(PointParamX(m.LParam)) + "," + std::to_string(PointParamY(m.LParam)));
            return;
        default: TWinControl::Dispatch(m);
        }
    }

private:
    std::vector<std::string>* log_;
};

using MessagesTest = VclTest;

TEST_F(MessagesTest, PostedMessagesArriveInOrderWhenTheQueueIsProcessed)
{
    TListener a(&log, "a"), b(&log, "b");
    EXPECT_EQ(Application->SendMessage(a.Handle(), QVM_PING, 1, 2), 7);
    Application->PostMessage(b.Handle(), QVM_PING, 2, 0);
    Application->PostMessage(a.Handle(), QVM_PING, 3, 0);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(Application->PendingMessagesFor(a.Handle()), 1u);
    a.repostBelow = 4;  // a message posted while draining is delivered in the same drain
    EXPECT_EQ(robot.ProcessMessages(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"a ping 1,2", "b ping 2,0", "a ping 3,0", "a ping 4,0"}));
    EXPECT_FALSE(Application->HandleMessage());
}

TEST_F(MessagesTest, AHandlerThatKeepsRepostingCannotHangTheDrain)
{
    TListener a(&log, "a");
    a.repostBelow = ~WPARAM{0};
    Application->PostMessage(a.Handle(), QVM_PING, 0, 0);
    EXPECT_EQ(robot.ProcessMessages(), TApplication::kMaxMessagesPerDrain);
    EXPECT_EQ(Application->PendingMessages(), 1u);
    a.repostBelow = 0;
    robot.ProcessMessages();
    EXPECT_EQ(Application->PendingMessages(), 0u);
}

TEST_F(MessagesTest, MessagesToAFreedWindowAreDropped)
{
    auto* a = new TListener(&log, "a");
    const HWND h = a->Handle();
    EXPECT_TRUE(a->HandleAllocated());
    Application->PostMessage(h, QVM_PING, 1, 0);
    delete a;
    EXPECT_EQ(Application->PendingMessages(), 0u);
    EXPECT_FALSE(Application->PostMessage(h, QVM_PING, 2, 0));
    EXPECT_EQ(Application->SendMessage(h, QVM_PING, 3, 0), 0);
    EXPECT_FALSE(Application->PostMessage(0, QVM_PING));
    robot.ProcessMessages();
    EXPECT_TRUE(log.empty());
    TListener b(&log, "b");
    EXPECT_NE(b.Handle(), h);  // handles are never reused
}

TEST_F(MessagesTest, AWindowHearsOfItsOwnMovesAndSizes)
{
    TListener a(&log, "a");
    a.SetBounds(1, 2, 30, 40);  // no handle yet: nothing to tell
    EXPECT_TRUE(log.empty());
    a.HandleNeeded();
    a.SetBounds(5, 6, 30, 40);
    a.SetWidth(50);
    EXPECT_EQ(log, (std::vector<std::string>{"a move 5,6", "a size 50,40"}));
}

TEST_F(MessagesTest, ExceptionsEscapingAHandlerAreShownAsAnErrorBoxAndAbortIsSilent)
{
    TForm* form = NewShownForm("frm");
    auto* btn = new TTestButton(form, form, "btn");
    btn->OnClick = TNotifyEvent::From([](TObject*) { throw EConvertError("'x' is not a valid integer value"); });
    Application->SetTitle("Job");
    robot.Click(btn);
    ASSERT_NE(robot.LastDialog(), nullptr);
    EXPECT_EQ(robot.LastDialog()->DlgType, mtError);
    EXPECT_EQ(robot.LastDialog()->Text, "'x' is not a valid integer value.");
    EXPECT_EQ(robot.LastDialog()->Caption, "Job");
    btn->OnClick = TNotifyEvent::From([](TObject*) { throw EAbort("quiet"); });
    robot.Click(btn);
    EXPECT_EQ(robot.Dialogs().size(), 1u);
    std::string seen;
    Application->OnException = TExceptionEvent::From([&](TObject*, const std::exception& e) { seen = e.what(); });
    btn->OnClick = TNotifyEvent::From([](TObject*) { throw Exception("boom"); });
    robot.Click(btn);
    Application->OnException = nullptr;
    Application->SetTitle("");
    EXPECT_EQ(seen, "boom");
    EXPECT_EQ(robot.Dialogs().size(), 1u);
}

}  // namespace
}  // namespace qvn::test
