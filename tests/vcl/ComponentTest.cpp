#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorOf.h"
#include "vcl/Component.h"
#include "vcl/Event.h"

namespace qvn {
namespace {

// Records its own destruction and drops its reference to a freed peer.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name, std::vector<std::string>* log) : TComponent(owner), log_(log)
    {
        SetName(name);
    }
    ~Probe() override { log_->push_back("free " + Name()); }
    TComponent* peer = nullptr;

protected:
    void Notification(TComponent* c, TOperation op) override
    {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove && c == peer) peer = nullptr;
    }

private:
    std::vector<std::string>* log_;
};

TEST(ComponentTest, OwnerFreesOwnedComponentsInReverseOrder)
{
    std::vector<std::string> log;
    auto* root = new Probe(nullptr, "root", &log);
    new Probe(root, "a", &log);
    auto* b = new Probe(root, "b", &log);
    new Probe(b, "b1", &log);
    new Probe(root, "c", &log);
    EXPECT_EQ(root->ComponentCount(), 3);
    EXPECT_EQ(root->FindComponent("B"), b);
    EXPECT_EQ(root->FindComponent("b1"), nullptr);  // only directly owned
    EXPECT_EQ(b->ComponentIndex(), 1);
    delete root;
    // A derived destructor body runs before the base frees what it owns.
    EXPECT_EQ(log, (std::vector<std::string>{"free root", "free c", "free b", "free b1", "free a"}));
}

TEST(ComponentTest, FreeingAComponentDetachesItFromItsOwnerAndClearsReferences)
{
    std::vector<std::string> log;
    Probe root(nullptr, "root", &log);
    auto* a = new Probe(&root, "a", &log);
    auto* b = new Probe(&root, "b", &log);
    auto* outsider = new Probe(nullptr, "outsider", &log);
    a->peer = b;
    outsider->peer = b;
    b->FreeNotification(outsider);
    delete b;
    EXPECT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(a->peer, nullptr);          // a sibling hears of it through the owner
    EXPECT_EQ(outsider->peer, nullptr);   // an outsider through its free notification
    delete outsider;                      // and b's list no longer names it
}

TEST(ComponentTest, NamesAreCheckedPerOwner)
{
    std::vector<std::string> log;
    Probe root(nullptr, "root", &log);
    auto* a = new Probe(&root, "btnOk", &log);
    EXPECT_EQ(test::ErrorOf<EComponentError>([&] { new Probe(&root, "BTNOK", &log); }),
              "A component named BTNOK already exists");
    EXPECT_EQ(test::ErrorOf<EComponentError>([&] { a->SetName("1abc"); }), "'1abc' is not a valid component name");
    EXPECT_EQ(a->Name(), "btnOk");
    a->SetName("");
    a->SetName("ed01");
    EXPECT_EQ(root.FindComponent("ED01"), a);
    EXPECT_THROW(root.Components(5), EListError);
}

TEST(ComponentTest, OwnershipMoves)
{
    std::vector<std::string> log;
    Probe first(nullptr, "first", &log), second(nullptr, "second", &log);
    auto* c = new Probe(&first, "c", &log);
    second.InsertComponent(c);
    EXPECT_EQ(c->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    second.RemoveComponent(c);
    EXPECT_EQ(c->Owner(), nullptr);
    delete c;
}

struct Receiver {
    int calls = 0;
    void Handle(TObject*) { ++calls; }
};

TEST(EventTest, HandlersCompareSaveRestoreAndChain)
{
    Receiver r1, r2;
    TNotifyEvent e = TNotifyEvent::Of<&Receiver::Handle>(&r1);
    TNotifyEvent same = TNotifyEvent::Of<&Receiver::Handle>(&r1);
    TNotifyEvent other = TNotifyEvent::Of<&Receiver::Handle>(&r2);
    EXPECT_TRUE(e == same);
    EXPECT_FALSE(e == other);
    EXPECT_FALSE(e == TNotifyEvent());
    EXPECT_FALSE(TNotifyEvent().Assigned());
    TNotifyEvent().operator()(nullptr);  // the empty handler does nothing

    // Chain: save the old handler, install one that calls it first.
    TNotifyEvent saved = e;
    int order = 0, oldAt = 0, newAt = 0;
    e = TNotifyEvent::From([&](TObject* s) {
        saved(s);
        oldAt = ++order;
        newAt = ++order;
    });
    e(nullptr);
    EXPECT_EQ(r1.calls, 1);
    EXPECT_EQ(oldAt, 1);
    EXPECT_EQ(newAt, 2);
    TNotifyEvent copy = e;
    EXPECT_TRUE(copy == e);
    EXPECT_FALSE(copy == TNotifyEvent::From([](TObject*) {}));
    // Round trip through the untyped form.
    EXPECT_TRUE(TNotifyEvent::FromMethod(e.ToMethod()) == e);
    e = saved;
    EXPECT_TRUE(e == same);
}

TEST(EventTest, HandlerSurvivesItsHolderBeingFreedWhileRunning)
{
    struct Holder {
        TNotifyEvent OnClick;
    };
    auto* holder = new Holder;
    int captured = 41;
    holder->OnClick = TNotifyEvent::From([holder, captured](TObject*) mutable {
        delete holder;  // frees the handler's own storage in the holder
        ++captured;
        EXPECT_EQ(captured, 42);
    });
    holder->OnClick(nullptr);
}

TEST(ClassInfoTest, ClassNamesAndChain)
{
    std::vector<std::string> log;
    Probe p(nullptr, "p", &log);
    EXPECT_EQ(p.ClassName(), "TComponent");  // Probe declares no class info of its own
    EXPECT_TRUE(p.InheritsFrom(TPersistent::StaticClassInfo()));
    EXPECT_EQ(TComponent::StaticClassInfo().Parent(), &TPersistent::StaticClassInfo());
    EXPECT_EQ(TComponent::StaticClassInfo().FindProp("nothing"), nullptr);
}

}  // namespace
}  // namespace qvn
