#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ErrorOf.h"
#include "support/VariantPrinting.h"
#include "vcl/Component.h"
#include "vcl/Graphics.h"
#include "vcl/PropAccess.h"
#include "vcl/PropTable.h"

namespace qvn {
namespace {

enum TProbeAlign { paNone, paTop, paBottom, paClient };

// A component publishing one property of every kind, a read-only one and an
// object property that can be unassigned.
class TProbe : public TComponent {
    QVN_CLASS_INFO()
public:
    TProbe() : TComponent(nullptr) {}
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* font) { font_->Assign(*font); }
    TFont* Spare() const { return nullptr; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& s) { caption_ = s; }
    TProbeAlign Align() const { return align_; }
    void SetAlign(TProbeAlign a) { align_ = a; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    double Ratio() const { return ratio_; }
    void SetRatio(double r) { ratio_ = r; }
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c) { passwordChar_ = c; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c) { cursor_ = c; }
    int Count() const { return 7; }

    TNotifyEvent OnClick;
    void Clicked(TObject*) { ++clicks; }
    int clicks = 0;

private:
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
    std::string caption_;
    TProbeAlign align_ = paNone;
    bool visible_ = true;
    double ratio_ = 0;
    char passwordChar_ = 0;
    TCursor cursor_ = crDefault;
};

QVN_DEFINE_CLASS_INFO(TProbe, TComponent, [](TPropTable& t) {
    AddObjectProp<TProbe, &TProbe::Font, &TProbe::SetFont>(t, "Font", "TFont");
    AddObjectProp<TProbe, &TProbe::Spare>(t, "Spare", "TFont");
    AddStrProp<TProbe, &TProbe::Caption, &TProbe::SetCaption>(t, "Caption", "TCaption");
    AddEnumProp<TProbe, &TProbe::Align, &TProbe::SetAlign>(t, "Align", "TProbeAlign",
                                                           {"paNone", "paTop", "paBottom", "paClient"});
    AddBoolProp<TProbe, &TProbe::Visible, &TProbe::SetVisible>(t, "Visible");
    AddFloatProp<TProbe, &TProbe::Ratio, &TProbe::SetRatio>(t, "Ratio");
    AddCharProp<TProbe, &TProbe::PasswordChar, &TProbe::SetPasswordChar>(t, "PasswordChar");
    AddIntProp<TProbe, &TProbe::Cursor, &TProbe::SetCursor>(t, "Cursor", "TCursor");
    AddIntProp<TProbe, &TProbe::Count>(t, "Count");
    AddEventProp<TProbe, &TProbe::OnClick>(t, "OnClick", "TNotifyEvent");
})

// Reads a dotted path the way SetPropPath walks it.
Variant ReadPath(TObject* obj, std::string path)
{
    for (size_t dot; (dot = path.find('.')) != std::string::npos; path.erase(0, dot + 1))
        obj = GetObjectPropByName(obj, path.substr(0, dot));
    return GetPropValue(obj, path);
}

TEST(PropAccessTest, ReadersGiveNeutralValuesAndWritersDoNothingWithoutAProperty)
{
    TProbe probe;
    probe.SetCaption("kept");
    struct Case {
        TObject* obj;
        const char* name;
    } cases[] = {{nullptr, "Caption"}, {&probe, ""}, {&probe, "NoSuchProp"}, {&probe, "Caption.Length"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(HasPropByName(c.obj, c.name));
        EXPECT_EQ(GetStrPropByName(c.obj, c.name), "");
        EXPECT_EQ(GetOrdPropByName(c.obj, c.name), 0);
        EXPECT_FALSE(GetMethodPropByName(c.obj, c.name));
        EXPECT_EQ(GetObjectPropByName(c.obj, c.name), nullptr);
        EXPECT_TRUE(GetPropValue(c.obj, c.name).IsEmpty());
        SetStrPropByName(c.obj, c.name, "x");
        SetOrdPropByName(c.obj, c.name, 1);
        SetMethodPropByName(c.obj, c.name, TMethod{});
    }
    EXPECT_EQ(probe.Caption(), "kept");
}

TEST(PropAccessTest, ReadersOfAnotherKindGiveNeutralValues)
{
    TProbe probe;
    probe.SetCaption("12");
    EXPECT_EQ(GetOrdPropByName(&probe, "Caption"), 0);   // a text is no ordinal
    EXPECT_EQ(GetStrPropByName(&probe, "Cursor"), "");   // nor an integer a text
    EXPECT_EQ(GetObjectPropByName(&probe, "Caption"), nullptr);
    EXPECT_FALSE(GetMethodPropByName(&probe, "Font"));
    SetOrdPropByName(&probe, "Caption", 5);
    EXPECT_EQ(probe.Caption(), "12");
}

TEST(PropAccessTest, NamesCompareWithoutCaseAndComponentsPublishNameAndTag)
{
    TProbe probe;
    SetStrPropByName(&probe, "nAmE", "btnOk");
    SetOrdPropByName(&probe, "TAG", 42);
    EXPECT_EQ(probe.Name(), "btnOk");
    EXPECT_EQ(probe.Tag(), 42);
    EXPECT_TRUE(HasPropByName(&probe, "caption"));
    EXPECT_EQ(GetObjectPropByName(&probe, "FONT"), probe.Font());
    // A setter's own error passes through the by-name writer.
    EXPECT_EQ(test::ErrorOf<EComponentError>([&] { SetStrPropByName(&probe, "Name", "1st"); }),
              "'1st' is not a valid component name");
}

TEST(PropAccessTest, OrdinalWriterIgnoresValuesOutsideTheTypeAndReadOnlyProperties)
{
    TProbe probe;
    SetOrdPropByName(&probe, "Align", 9);
    SetOrdPropByName(&probe, "Font.Charset", 134);  // no paths here
    SetOrdPropByName(probe.Font(), "Charset", 300);
    SetOrdPropByName(&probe, "Count", 3);
    EXPECT_EQ(probe.Align(), paNone);
    EXPECT_EQ(probe.Font()->Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(GetOrdPropByName(&probe, "Count"), 7);
    SetOrdPropByName(&probe, "Align", paClient);
    EXPECT_EQ(probe.Align(), paClient);
}

TEST(PropAccessTest, MethodPropertiesRoundTripTheHandler)
{
    TProbe probe, other;
    SetMethodPropByName(&probe, "onclick", GetMethodPropByName(&probe, "OnClick"));
    EXPECT_FALSE(probe.OnClick.Assigned());
    other.OnClick = TNotifyEvent::Of<&TProbe::Clicked>(&other);
    SetMethodPropByName(&probe, "OnClick", GetMethodPropByName(&other, "OnClick"));
    probe.OnClick(&probe);
    EXPECT_EQ(other.clicks, 1);
    EXPECT_TRUE(GetMethodPropByName(&probe, "OnClick") == other.OnClick.ToMethod());
}

struct SetCase {
    const char* path;
    Variant value;
    Variant expected;  // read back through the same path
};

class SetPropPathConversion : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetPropPathConversion, ConvertsTheValueToThePropertyType)
{
    const SetCase& c = GetParam();
    TProbe probe;
    SetPropPath(&probe, c.path, c.value);
    EXPECT_EQ(ReadPath(&probe, c.path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PropAccessTest, SetPropPathConversion,
    ::testing::Values(
        // Identifier mappings, with the number (hex or decimal) as fallback.
        SetCase{"Font.Color", "clRed", clRed}, SetCase{"font.COLOR", " clBtnFace ", clBtnFace},
        SetCase{"Font.Color", "CLWINDOW", clWindow}, SetCase{"Font.Color", "$00FF00FF", 0xFF00FF},
        SetCase{"Font.Color", "$80000005", clWindow}, SetCase{"Font.Color", int64_t{0x80000005}, clWindow},
        SetCase{"Font.Color", 0x123456, 0x123456}, SetCase{"Font.Charset", "GB2312_CHARSET", 134},
        SetCase{"Font.Charset", 134, 134}, SetCase{"Font.Charset", "255", 255},
        SetCase{"Cursor", "crHourGlass", -11}, SetCase{"Cursor", "-21", -21},
        // Enumerations and sets by trimmed name, or by ordinal and mask.
        SetCase{"Align", "paClient", "paClient"}, SetCase{"Align", "  PATOP ", "paTop"},
        SetCase{"Align", 2, "paBottom"}, SetCase{"Font.Style", "[fsBold,fsItalic]", "fsBold,fsItalic"},
        SetCase{"Font.Style", " fsUnderline , fsbold ", "fsBold,fsUnderline"},
        SetCase{"Font.Style", "[]", ""}, SetCase{"Font.Style", 5, "fsBold,fsUnderline"},
        SetCase{"Font.Pitch", "fpFixed", "fpFixed"},
        // Boolean from text, variant Boolean or any integer.
        SetCase{"Visible", "False", "False"}, SetCase{"Visible", " true ", "True"}, SetCase{"Visible", 0, "False"},
        SetCase{"Visible", 7, "True"}, SetCase{"Visible", false, "False"},
        // Everything else through the variant conversions.
        SetCase{"Caption", 12, "12"}, SetCase{"Caption", "", ""}, SetCase{"Ratio", "1.5", 1.5},
        SetCase{"Ratio", 2, 2.0}, SetCase{"PasswordChar", "*", 42}, SetCase{"PasswordChar", 35, 35},
        SetCase{"Tag", "42", 42}, SetCase{"Tag", "$10", 16}, SetCase{"Font.Size", 12, 12},
        SetCase{"Font.Height", -16, -16}, SetCase{"Name", "btnOk", "btnOk"}));

struct ErrorCase {
    const char* path;
    Variant value;
    const char* message;
};

class SetPropPathError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SetPropPathError, RaisesEPropertyErrorAndTryAnswersFalse)
{
    const ErrorCase& c = GetParam();
    TProbe probe;
    EXPECT_EQ(test::ErrorOf<EPropertyError>([&] { SetPropPath(&probe, c.path, c.value); }), c.message);
    EXPECT_FALSE(TrySetPropPath(&probe, c.path, c.value));
}

INSTANTIATE_TEST_SUITE_P(
    PropAccessTest, SetPropPathError,
    ::testing::Values(ErrorCase{"Nope", 1, "Property Nope does not exist"},
                      ErrorCase{"Font.Nope", 1, "Property Nope does not exist"},
                      ErrorCase{"", 1, "Property  does not exist"},
                      ErrorCase{"Font.", 1, "Property  does not exist"},
                      ErrorCase{".Color", 1, "Property  does not exist"},
                      ErrorCase{"Caption.Color", 1, "Property Caption is not an object"},
                      ErrorCase{"Spare.Color", 1, "Cannot set property Color of no object"},
                      ErrorCase{"Font", 1, "Invalid property type: TFont"},
                      ErrorCase{"OnClick", 1, "Invalid property type: TNotifyEvent"},
                      ErrorCase{"Count", 1, "Property Count is read-only"},
                      ErrorCase{"Align", "paMiddle", "Invalid property element: paMiddle"},
                      ErrorCase{"Align", 9, "Invalid property value"},
                      ErrorCase{"Align", -1, "Invalid property value"},
                      ErrorCase{"Font.Style", "[fsBold,fsHeavy]", "Invalid property element: fsHeavy"},
                      ErrorCase{"Font.Style", "[fsBold", "Invalid property value"},
                      ErrorCase{"Font.Style", 16, "Invalid property value"},
                      ErrorCase{"Font.Color", "notacolor", "Invalid property value"},
                      ErrorCase{"Font.Charset", 300, "Invalid property value"},
                      ErrorCase{"Font.Charset", "DEFAULT", "Invalid property value"},
                      ErrorCase{"Tag", "abc", "Invalid property value"},
                      ErrorCase{"Tag", int64_t{1} << 40, "Invalid property value"},
                      ErrorCase{"Tag", Variant::Null(), "Invalid property value"},
                      ErrorCase{"Ratio", "x1", "Invalid property value"},
                      ErrorCase{"Visible", "Maybe", "Invalid property element: Maybe"}));

TEST(PropAccessTest, FailedAssignmentLeavesTheValueAlone)
{
    TProbe probe;
    probe.Font()->SetColor(clNavy);
    EXPECT_FALSE(TrySetPropPath(&probe, "Font.Color", "clNavyBlue"));
    EXPECT_EQ(probe.Font()->Color(), clNavy);
}

TEST(PropAccessTest, TrySetPropPathAlsoCatchesMissingObjectsAndSetterErrors)
{
    TProbe probe;
    EXPECT_FALSE(TrySetPropPath(nullptr, "Font.Color", 1));
    EXPECT_FALSE(TrySetPropPath(&probe, "Name", "1st"));
    EXPECT_EQ(test::ErrorOf<EComponentError>([&] { SetPropPath(&probe, "Name", "1st"); }),
              "'1st' is not a valid component name");
    EXPECT_TRUE(TrySetPropPath(&probe, "Font.Name", "Tahoma"));
    EXPECT_EQ(probe.Font()->Name(), "Tahoma");
}

TEST(PropAccessTest, ObjectSetterTakesOnlyTheDeclaredClass)
{
    TProbe probe;
    const TPropInfo* font = FindPropInfo(&probe, "Font");
    ASSERT_NE(font, nullptr);
    TFont source;
    source.SetColor(clRed);
    font->SetObject(&probe, &source);
    EXPECT_EQ(probe.Font()->Color(), clRed);
    TProbe wrong;
    EXPECT_EQ(test::ErrorOf<EPropertyError>([&] { font->SetObject(&probe, &wrong); }), "Invalid property value");
    EXPECT_FALSE(FindPropInfo(&probe, "Spare")->IsWritable());
}

TEST(PropAccessTest, PropValueReadsEachKind)
{
    TProbe probe;
    probe.SetAlign(paTop);
    probe.Font()->SetStyle({fsItalic, fsStrikeOut});
    probe.SetRatio(0.25);
    EXPECT_EQ(GetPropValue(&probe, "Align"), Variant("paTop"));
    EXPECT_EQ(GetPropValue(probe.Font(), "Style"), Variant("fsItalic,fsStrikeOut"));
    EXPECT_EQ(GetPropValue(&probe, "Visible"), Variant("True"));
    EXPECT_EQ(GetPropValue(&probe, "Ratio"), Variant(0.25));
    EXPECT_EQ(GetPropValue(probe.Font(), "Color"), Variant(clWindowText));
    EXPECT_TRUE(GetPropValue(&probe, "Font").IsEmpty());
    EXPECT_TRUE(GetPropValue(&probe, "OnClick").IsEmpty());
}

// A derived class that republishes an inherited property and adds its own.
class TProbeChild : public TProbe {
    QVN_CLASS_INFO()
public:
    int Extra() const { return 5; }
};

QVN_DEFINE_CLASS_INFO(TProbeChild, TProbe, [](TPropTable& t) {
    AddIntProp<TProbe, &TProbe::Count>(t, "CAPTION");
    AddIntProp<TProbeChild, &TProbeChild::Extra>(t, "Extra");
})

TEST(PropAccessTest, ClassInfoInheritsAndLetsADerivedClassRepublish)
{
    const TClassInfo& info = TProbeChild::StaticClassInfo();
    const TClassInfo& base = TProbe::StaticClassInfo();
    EXPECT_EQ(info.Props().size(), base.Props().size() + 1);
    EXPECT_EQ(info.FindProp("caption")->Kind, TTypeKind::tkInteger);
    EXPECT_EQ(base.FindProp("Caption")->Kind, TTypeKind::tkString);
    EXPECT_EQ(info.FindProp("name"), base.FindProp("NAME"));  // inherited entries are shared
    EXPECT_EQ(info.FindProp("Extr"), nullptr);
    EXPECT_EQ(base.FindProp("Extra"), nullptr);
    // Republished in place: the order of the inherited list stays.
    size_t at = 0;
    while (base.Props()[at]->Name != "Caption") ++at;
    EXPECT_EQ(info.Props()[at], info.FindProp("Caption"));
}

}  // namespace
}  // namespace qvn
