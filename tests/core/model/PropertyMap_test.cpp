#include <gtest/gtest.h>

#include "tests/core/model/ModelFixture.h"

namespace {

CTsProperty Make(const std::string& type, const std::string& value, const std::string& multi = "") {
    CPropertyDefinition definition;
    definition.type = type;
    definition.defaultValue = value;
    definition.supportMultiViewport = multi;
    return CTsProperty::FromDefinition(definition);
}

TEST(PropertyValueTest, TextIsReadByType) {
    struct Case {
        const char* text;
        const char* type;
        int32_t integer;
        const char* stored;
    } cases[] = {
        {"42", "String", 0, "42"},
        {" -7px", "Int", -7, ""},
        {"+12", "INT", 12, ""},
        {"px5", "Int", 0, ""},
        {"", "Int", 0, ""},
        {"99999999999", "Int", 2147483647, ""},
        {"-99999999999", "Int", -2147483647 - 1, ""},
        {"hello", "Bool", 0, ""},
    };
    for (const Case& c : cases) {
        const CPropertyValue value = CPropertyValue::FromText(c.text, c.type);
        EXPECT_EQ(value.integer, c.integer) << c.text << " " << c.type;
        EXPECT_EQ(value.text, c.stored) << c.text << " " << c.type;
    }
    EXPECT_EQ(CPropertyValue::FromText("12").text, "12");
    EXPECT_EQ(CPropertyValue::FromText("12").integer, 0);
}

TEST(PropertyValueTest, ValuesConvertByThePropertyType) {
    CTsProperty number = Make("Int", "3");
    EXPECT_EQ(number.GetValue(), PropertyVariant(3));
    number.SetValue("17px");
    EXPECT_EQ(number.value.integer, 17);
    number.SetValue("not a number");
    EXPECT_EQ(number.value.integer, 0);

    CTsProperty text = Make("string", "a");
    text.SetValue(int32_t(-5));
    EXPECT_EQ(text.GetValue(), PropertyVariant("-5"));

    CTsProperty untyped = Make("Bool", "x");
    untyped.value = {9, "kept"};
    EXPECT_EQ(untyped.GetValue(), PropertyVariant(""));
    untyped.SetValue("other");
    EXPECT_EQ(untyped.value, (CPropertyValue{9, "kept"}));
}

TEST(PropertyValueTest, CopiesShareTheDefinitionUntilOneIsEdited) {
    CPropertyDefinition definition;
    definition.name = "color";
    definition.type = "String";
    definition.options = {"red", "blue"};
    const CTsProperty original = CTsProperty::FromDefinition(definition);
    CTsProperty copy = original;
    EXPECT_EQ(copy.SharedDefinition(), original.SharedDefinition());
    copy.value.text = "red";
    EXPECT_EQ(original.value.text, "");
    copy.EditDefinition().options.push_back("green");
    EXPECT_NE(copy.SharedDefinition(), original.SharedDefinition());
    EXPECT_EQ(original.Options().size(), 2u);
    EXPECT_EQ(copy.Options().size(), 3u);
    EXPECT_EQ(copy.Name(), "color");
}

// A map with base values and one viewport list holding "color".
class RedirectTest : public ::testing::Test {
protected:
    void SetUp() override {
        map.SetOwn("color", Make("String", "base", "true"));
        map.SetOwn("title", Make("String", "plain"));
        for (int i = 0; i < 2; ++i) {
            CPropertyMap list;
            list.SetOwn("color", Make("String", "viewport" + std::to_string(i + 1), "true"));
            map.ViewportLists().push_back(list);
        }
    }
    void TearDown() override { SetCurrentViewport(0); }
    CPropertyMap map;
};

TEST_F(RedirectTest, ReadsAndWritesFollowTheCurrentViewport) {
    EXPECT_EQ(map.At("color").value.text, "base");
    SetCurrentViewport(2);
    EXPECT_EQ(map.At("color").value.text, "viewport2");
    map.At("color").SetValue("edited");
    map.At("title").SetValue("for all");  // single-valued: the base changes
    CTsProperty found;
    ASSERT_TRUE(map.Lookup("color", found));
    EXPECT_EQ(found.value.text, "edited");
    std::map<std::string, std::string> seen;
    map.IterateEffective([&](const std::string& name, CTsProperty& p) { seen[name] = p.value.text; });
    EXPECT_EQ(seen, (std::map<std::string, std::string>{{"color", "edited"}, {"title", "for all"}}));

    SetCurrentViewport(0);
    EXPECT_EQ(map.At("color").value.text, "base");
    EXPECT_EQ(map.At("title").value.text, "for all");
    SetCurrentViewport(1);
    EXPECT_EQ(map.At("color").value.text, "viewport1");
    SetCurrentViewport(3);  // beyond the lists: base values
    EXPECT_EQ(map.At("color").value.text, "base");
}

TEST_F(RedirectTest, AnAccessorOrAScopeDecidesTheViewport) {
    int active = 1;
    SetCurrentViewportAccessor([&] { return active; });
    EXPECT_EQ(map.Find("color")->value.text, "viewport1");
    {
        CViewportScope scope(2);
        EXPECT_EQ(map.Find("color")->value.text, "viewport2");
    }
    EXPECT_EQ(map.Find("color")->value.text, "viewport1");
    active = 0;
    EXPECT_EQ(map.Find("color")->value.text, "base");
    SetCurrentViewportAccessor(nullptr);
}

TEST_F(RedirectTest, MissingNamesAreAbsentOrInsertedEmpty) {
    SetCurrentViewport(1);
    CTsProperty out;
    EXPECT_FALSE(map.Lookup("missing", out));
    EXPECT_EQ(map.Find("missing"), nullptr);
    CTsProperty& inserted = map.At("missing");
    EXPECT_TRUE(inserted.Type().empty());
    EXPECT_TRUE(map.HasOwn("missing"));
    EXPECT_FALSE(map.ViewportLists()[0].HasOwn("missing"));
}

TEST_F(RedirectTest, AssignCopiesBaseValuesAndListsWhateverIsShown) {
    SetCurrentViewport(1);
    CPropertyMap copy;
    copy.SetOwn("stale", Make("String", "x"));
    copy.Assign(map);
    EXPECT_TRUE(copy.Redirects());
    EXPECT_FALSE(copy.HasOwn("stale"));
    EXPECT_EQ(copy.FindOwn("color")->value.text, "base");
    ASSERT_EQ(copy.ViewportLists().size(), 2u);
    EXPECT_EQ(copy.ViewportLists()[1].FindOwn("color")->value.text, "viewport2");
    EXPECT_EQ(copy.Find("color")->value.text, "viewport1");

    copy.Assign(copy.ViewportLists()[0]);  // from one of its own lists
    EXPECT_EQ(copy.FindOwn("color")->value.text, "viewport1");
    EXPECT_TRUE(copy.ViewportLists().empty());
}

TEST_F(RedirectTest, RedirectFlagOffReadsTheBase) {
    SetCurrentViewport(1);
    map.SetRedirect(false);
    EXPECT_EQ(map.At("color").value.text, "base");
}

class DeclareTest : public ModelFixture {};

TEST_F(DeclareTest, FormatsPositiveNumbersAndNonEmptyTexts) {
    MakeSite();
    CTsObject* widget = Attach(Page(), "Text", "W");
    Add(*widget, "image", "String", "", "");
    widget->properties.At("image").EditDefinition().subtype = "File";
    Add(*widget, "kind", "Bool", "x", "");

    EXPECT_EQ(widget->Declare("count", "z:%d;"), "");  // 0 gives no rule
    widget->properties.At("count").SetValue(-2);
    EXPECT_EQ(widget->Declare("count", "z:%d;"), "");
    widget->properties.At("count").SetValue(12);
    EXPECT_EQ(widget->Declare("count", "z:%d;"), "z:12;");
    EXPECT_EQ(widget->Declare("color", "color:%s;"), "");
    widget->properties.At("color").SetValue("#00ff00");
    EXPECT_EQ(widget->Declare("color", "color:%s;"), "color:#00ff00;");
    widget->properties.At("image").SetValue("files/a.png");
    EXPECT_EQ(widget->Declare("image", "background:%s;"), "background:url(files/a.png);");
    EXPECT_EQ(widget->Declare("width", "width:%s%%;"), "");
    widget->properties.At("width").SetValue("50");
    EXPECT_EQ(widget->Declare("width", "width:%s%%; %s %n"), "width:50%; %s %n");
    EXPECT_EQ(widget->Declare("kind", "%s"), "");
    EXPECT_EQ(widget->Declare("missing", "%s"), "");
    EXPECT_FALSE(widget->properties.HasOwn("missing"));
}

TEST_F(DeclareTest, SiteValuesFillWhatTheObjectLeavesEmpty) {
    MakeSite();
    CTsObject* widget = Attach(Page(), "Text", "W");
    site->properties.At("color").SetValue("#123456");
    EXPECT_EQ(widget->DeclareOrSite("color", "color:%s;"), "color:#123456;");
    EXPECT_EQ(widget->ValueOrSite("color"), "#123456");
    widget->properties.At("color").SetValue("red");
    EXPECT_EQ(widget->DeclareOrSite("color", "color:%s;"), "color:red;");
    EXPECT_EQ(widget->OwnValue("missing"), "");
    EXPECT_FALSE(widget->HasProperty("missing"));
    EXPECT_TRUE(widget->HasProperty("color"));
}

}  // namespace
