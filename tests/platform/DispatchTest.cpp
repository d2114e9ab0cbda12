#include "platform/Dispatch.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Exceptions.h"
#include "support/ErrorOf.h"
#include "support/VariantPrinting.h"
#include "support/TempDir.h"

namespace qvn {
namespace {

// Records every call; "Increment" writes its argument back, "Value" is a property.
class RecordingObject : public Dispatch {
public:
    struct Record {
        std::string member;
        CallKind kind;
        std::vector<Variant> args;
    };

    Variant Invoke(std::string_view member, CallKind kind, std::span<Variant> args) override
    {
        calls.push_back({std::string(member), kind, std::vector<Variant>(args.begin(), args.end())});
        if (member == "Increment" && kind == CallKind::Method && args.size() == 1) {
            args[0] = args[0].ToInt() + 1;
            return Variant(true);
        }
        if (member == "Value" && kind == CallKind::PropertyGet) return value;
        if (member == "Value" && kind == CallKind::PropertyPut && args.size() == 1) {
            value = args[0];
            return Variant();
        }
        RaiseUnknownMember(member);
    }

    std::vector<Record> calls;
    Variant value;
};

// ---------------------------------------------------------------- calls

TEST(DispatchTest, InvokeWritesArgumentsBackToTheCaller)
{
    RecordingObject object;
    std::vector<Variant> args{Variant(41)};
    EXPECT_EQ(object.Invoke("Increment", CallKind::Method, args), Variant(true));
    EXPECT_EQ(args[0], Variant(42));
}

TEST(DispatchTest, CallPassesCopiesSoTheCallersValuesStay)
{
    RecordingObject object;
    Variant argument(1);
    EXPECT_EQ(object.Call("Increment", {argument}), Variant(true));
    EXPECT_EQ(argument, Variant(1));
    ASSERT_EQ(object.calls.size(), 1u);
    EXPECT_EQ(object.calls[0].kind, CallKind::Method);
    EXPECT_EQ(object.calls[0].args, std::vector<Variant>{Variant(1)});
}

TEST(DispatchTest, PropertiesGoThroughGetAndPut)
{
    RecordingObject object;
    object.Set("Value", VarArrayOf({1, "x"}));
    EXPECT_EQ(object.Get("Value"), VarArrayOf({1, "x"}));
    ASSERT_EQ(object.calls.size(), 2u);
    EXPECT_EQ(object.calls[0].kind, CallKind::PropertyPut);
    EXPECT_EQ(object.calls[0].args.size(), 1u);
    EXPECT_EQ(object.calls[1].kind, CallKind::PropertyGet);
    EXPECT_TRUE(object.calls[1].args.empty());
}

TEST(DispatchTest, UnknownMemberRaisesOleError)
{
    RecordingObject object;
    EXPECT_EQ(test::ErrorOf<EOleError>([&] { object.Call("Launch", {1, 2}); }),
              "Method 'Launch' not supported by automation object");
    EXPECT_EQ(test::ErrorOf<EOleError>([&] { object.Get("Increment"); }), "Method 'Increment' not supported by automation object");
}

// ---------------------------------------------------------------- class registry

// Each test gets its own class table file (empty unless written) and leaves no registrations behind.
class ClassRegistryTest : public ::testing::Test {
protected:
    ClassRegistryTest() : tablePath_(dir_.Folder() + "classes.ini"), env_("QVN_CLASSES", tablePath_) {}

    ~ClassRegistryTest() override
    {
        for (const auto& id : registered_) UnregisterOleClass(id);
    }

    void Register(const std::string& progId, DispatchFactory factory)
    {
        registered_.push_back(progId);
        RegisterOleClass(progId, std::move(factory));
    }

    void WriteClassTable(const std::string& text) { dir_.Write("classes.ini", text); }

    // The fixture class library, or empty when the build did not say where it is.
    static std::string ClassLibraryPath()
    {
        if (const char* path = std::getenv("QVN_TEST_CLASSLIB"); path != nullptr && *path != '\0') return path;
#ifdef QVN_TEST_CLASSLIB_DEFAULT
        return QVN_TEST_CLASSLIB_DEFAULT;
#else
        return {};
#endif
    }

    test::TempDir dir_;
    std::string tablePath_;
    test::ScopedEnv env_;
    std::vector<std::string> registered_;
};

TEST_F(ClassRegistryTest, ClassTableFileComesFromTheEnvironment)
{
    EXPECT_EQ(ClassTableFileName(), tablePath_);
    test::ScopedEnv unset("QVN_CLASSES", "");
    EXPECT_EQ(ClassTableFileName(), "/etc/qvn/classes.ini");
}

TEST_F(ClassRegistryTest, InProcessClassesAreFoundWithoutRegardToCase)
{
    auto object = std::make_shared<RecordingObject>();
    Register("Test.Recorder", [object] { return object; });
    EXPECT_EQ(CreateOleObject("Test.Recorder"), object);
    EXPECT_EQ(CreateOleObject("TEST.recorder"), object);
}

TEST_F(ClassRegistryTest, LaterRegistrationReplacesAndUnregisterRemoves)
{
    auto first = std::make_shared<RecordingObject>();
    auto second = std::make_shared<RecordingObject>();
    Register("Test.Replaced", [first] { return first; });
    Register("test.REPLACED", [second] { return second; });
    EXPECT_EQ(CreateOleObject("Test.Replaced"), second);
    UnregisterOleClass("TEST.Replaced");
    EXPECT_EQ(test::ErrorOf<EOleError>([] { CreateOleObject("Test.Replaced"); }), "Invalid class string");
}

TEST_F(ClassRegistryTest, UnknownOrEmptyIdIsAnInvalidClassString)
{
    // The table file does not exist: no entries, no error of its own.
    EXPECT_EQ(test::ErrorOf<EOleError>([] { CreateOleObject("No.Such.Class"); }), "Invalid class string");
    EXPECT_EQ(test::ErrorOf<EOleError>([] { CreateOleObject(""); }), "Invalid class string");
}

TEST_F(ClassRegistryTest, FactoryThatCreatesNothingRaises)
{
    Register("Test.Nothing", [] { return DispatchPtr(); });
    std::string message = test::ErrorOf<EOleError>([] { CreateOleObject("Test.Nothing"); });
    EXPECT_NE(message.find("Test.Nothing"), std::string::npos) << message;
}

TEST_F(ClassRegistryTest, FactoryMayUseTheRegistryItself)
{
    auto inner = std::make_shared<RecordingObject>();
    Register("Test.Inner", [inner] { return inner; });
    Register("Test.Outer", [] {
        RegisterOleClass("Test.Late", [] { return std::make_shared<RecordingObject>(); });
        return CreateOleObject("Test.Inner");
    });
    registered_.push_back("Test.Late");
    EXPECT_EQ(CreateOleObject("Test.Outer"), inner);
    EXPECT_NE(CreateOleObject("Test.Late"), nullptr);
}

TEST_F(ClassRegistryTest, ClassTableEntriesThatCannotBeUsed)
{
    WriteClassTable(
        "; class table\n"
        "[classes]\n"
        "Remote.Server = tcp:appserver:211\n"
        "Missing.Lib=library:/nonexistent/libnothing.so\n"
        "NoExport.Lib=library:libm.so.6\n"
        "No.Scheme=justtext\n"
        "Empty.Target=library:\n"
        "Bare.Key\n"
        "=library:/x.so\n"
        "[Other]\n"
        "Other.Section=library:/nonexistent/x.so\n");
    struct Case { const char* progId; std::vector<std::string> messageParts; };
    const Case cases[] = {
        {"remote.server", {"Class 'remote.server' uses an unsupported transport: tcp"}},
        {"Missing.Lib", {"Missing.Lib", "/nonexistent/libnothing.so"}},
        {"NoExport.Lib", {"NoExport.Lib", "QvnCreateObject"}},
        {"No.Scheme", {"Invalid class string"}},
        {"Empty.Target", {"Invalid class string"}},
        {"Bare.Key", {"Invalid class string"}},
        {"Other.Section", {"Invalid class string"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.progId);
        std::string message = test::ErrorOf<EOleError>([&] { CreateOleObject(c.progId); });
        for (const auto& part : c.messageParts) EXPECT_NE(message.find(part), std::string::npos) << message;
    }
}

TEST_F(ClassRegistryTest, InProcessRegistrationComesBeforeTheClassTable)
{
    WriteClassTable("[Classes]\nTest.Both=tcp:host:1\n");
    auto object = std::make_shared<RecordingObject>();
    Register("Test.Both", [object] { return object; });
    EXPECT_EQ(CreateOleObject("Test.Both"), object);
}

TEST_F(ClassRegistryTest, LibraryEntryCreatesObjectsThatTheCallerOwns)
{
    const std::string library = ClassLibraryPath();
    if (library.empty()) GTEST_SKIP() << "QVN_TEST_CLASSLIB is not set";
    WriteClassTable("[CLASSES]\nFixture.Object=LIBRARY:" + library + "\nFixture.Refused=library:" + library + "\n");

    DispatchPtr object = CreateOleObject("fixture.object");
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Get("ProgId"), Variant("fixture.object"));  // the factory is told the ID asked for
    std::vector<Variant> args{Variant(1), Variant(u8"two")};
    object->Invoke("Swap", CallKind::Method, args);
    EXPECT_EQ(args, (std::vector<Variant>{Variant(u8"two"), Variant(1)}));

    // The library stays loaded; the caller's last reference deletes the object.
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    auto liveObjects = reinterpret_cast<int (*)()>(dlsym(handle, "QvnFixtureLiveObjects"));
    ASSERT_NE(liveObjects, nullptr);
    DispatchPtr another = CreateOleObject("Fixture.Object");
    EXPECT_EQ(liveObjects(), 2);
    object.reset();
    another.reset();
    EXPECT_EQ(liveObjects(), 0);
    dlclose(handle);
    void* stillLoaded = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(stillLoaded, nullptr);
    if (stillLoaded != nullptr) dlclose(stillLoaded);

    std::string message = test::ErrorOf<EOleError>([] { CreateOleObject("Fixture.Refused"); });
    EXPECT_NE(message.find("Fixture.Refused"), std::string::npos) << message;
    EXPECT_NE(message.find("created no object"), std::string::npos) << message;
}

}  // namespace
}  // namespace qvn
