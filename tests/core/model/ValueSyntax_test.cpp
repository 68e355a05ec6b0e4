#include <gtest/gtest.h>

#include <string>

#include "core/model/TsObject.h"
#include "core/model/TsProperty.h"
#include "core/model/ValueSyntax.h"
#include "tests/support/RecordingPrompt.h"

namespace {

struct LengthCase {
    const char* input;
    bool accepted;
    const char* stored;  // what the editor keeps on acceptance
};

TEST(ValueSyntax, ValidateLengthTextTable) {
    const LengthCase cases[] = {
        {"100", true, "100px"},
        {"100px", true, "100px"},
        {"35%", true, "35%"},
        {"1.25%", true, "1.25%"},
        {"12.5%", true, "12.5%"},
        {"-12.5%px", true, "-12.5%"},
        {"12.5", true, "12px"},
        {"12.5px", true, "12px"},
        {"abc-3", true, "-3px"},
        {"35 %", true, "35px"},  // a blank before the sign: not a percentage
        {"AUTO", true, "AUTO"},
        {"  auto  ", true, "auto"},
        {"   ", true, "   "},  // blanks are kept as given
        {"", true, ""},
        {"fullpagewidth", false, "fullpagewidth"},
        {"inherit", false, "inherit"},
    };
    for (const LengthCase& c : cases) {
        std::string stored = c.input;
        EXPECT_EQ(ValidateLengthText(c.input, stored), c.accepted) << c.input;
        EXPECT_EQ(stored, c.stored) << c.input;
    }
}

TEST(ValueSyntax, NormalizeLengthIgnoresSignsAndDecimals) {
    const std::pair<const char*, const char*> cases[] = {
        {"10%", "10%"}, {"15", "15px"}, {"15px", "15px"}, {"inherit", "0"},
        {"-5", "5px"},  {"1.5%", "5%"}, {"auto", "auto"}, {" Auto ", " Auto "},
        {"", "0"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(NormalizeLength(input), expected) << input;
}

TEST(ValueSyntax, FormatLength) {
    EXPECT_EQ(FormatLength({33.333, true, true}), "33.33%");
    EXPECT_EQ(FormatLength({35.5, true, true}), "35.50%");
    EXPECT_EQ(FormatLength({0.4, false, true}), "0px");
    EXPECT_EQ(FormatLength({99.6, false, true}), "100px");
    EXPECT_EQ(FormatLength({50, false, false}), "");
}

TEST(ValueSyntax, ParseAndFormatColor) {
    EXPECT_EQ(ParseColor("#0000ff"), 16711680);
    EXPECT_EQ(ParseColor("#FF8000"), 0x0080FF);
    EXPECT_EQ(ParseColor("color: #FF8000; border: #000000"), 0x0080FF);  // the first match counts
    EXPECT_EQ(ParseColor("0000ff"), kNoColor);
    EXPECT_EQ(ParseColor("#12345"), kNoColor);
    EXPECT_EQ(ParseColor(""), kNoColor);
    EXPECT_EQ(FormatColor(255), "#ff0000");
    EXPECT_EQ(FormatColor(0x0080FF), "#ff8000");
    EXPECT_EQ(FormatColor(ParseColor("#A1B2C3")), "#a1b2c3");
}

TEST(ValueSyntax, IsValidName) {
    const std::pair<const char*, bool> cases[] = {
        {"2col", false}, {"_x", true},      {"-a-", true},  {"a.b", false},   {"a b", false},
        {"", false},     {"Block_2", true}, {"main-menu", true}, {"caf\xc3\xa9", false},
    };
    for (const auto& [name, valid] : cases) EXPECT_EQ(IsValidName(name), valid) << name;
}

TEST(ValueSyntax, FileValueFromPath) {
    EXPECT_EQ(FileValueFromPath(""), "");
    EXPECT_EQ(FileValueFromPath("images\\a(1).png"), "images/a%281%29.png");
    EXPECT_EQ(FileValueFromPath("files/it's.png"), "files/it%27s.png");
    EXPECT_EQ(FileValueFromPath("C:\\img\\a(1).png"), "file:///C:/img/a%281%29.png");
    EXPECT_EQ(FileValueFromPath("/home/u/a (1).png"), "file:///home/u/a%20%281%29.png");
    EXPECT_EQ(FileValueFromPath("\\\\server\\share\\x.png").rfind("file:", 0), 0u);
}

CTsProperty MakeProperty(const std::string& name, const std::string& subtype, const std::string& type = "String") {
    CPropertyDefinition definition;
    definition.name = name;
    definition.subtype = subtype;
    definition.type = type;
    return CTsProperty::FromDefinition(definition);
}

struct ValidateCase {
    const char* name;
    const char* subtype;
    PropertyVariant value;
    bool checkName;
    bool accepted;
    PropertyVariant stored;
    const char* message;
};

TEST(ValueSyntax, ValidateValueTable) {
    const std::string length = kLengthFormatMessage;
    const std::string invalidName = kInvalidNameMessage;
    const ValidateCase cases[] = {
        {"width", "Length", "100", true, true, "100px", ""},
        {"width", "length", "35%", true, true, "35%", ""},  // subtype in any case
        {"left", "LengthX", "1.25%", true, true, "1.25%", ""},
        {"top", "LengthY", "AUTO", true, true, "AUTO", ""},
        {"width", "Length", "  ", true, true, "  ", ""},
        {"width", "Length", "12.5", true, true, "12px", ""},
        {"width", "Length", "fullpagewidth", true, false, "fullpagewidth", length.c_str()},
        {"width", "Length", 40, true, true, "40px", ""},
        {"color", "Color", 0x0080FF, true, true, "#ff8000", ""},
        {"color", "Color", -1, true, true, "", ""},
        {"background-image", "File", "images\\a(1).png", true, true, "images/a%281%29.png", ""},
        {"script", "JSFile", "", true, true, "", ""},
        {"name", "", "2col", true, false, "2col", invalidName.c_str()},
        {"name", "", "2col", false, true, "2col", ""},      // the data editor does not check names
        {"Name", "", "a b", true, true, "a b", ""},          // only the property named exactly "name"
        {"name", "", "main-menu", true, true, "main-menu", ""},
        {"name", "", "", true, false, "", invalidName.c_str()},
        {"title", "", "anything at all", true, true, "anything at all", ""},
    };
    for (const ValidateCase& c : cases) {
        PropertyVariant stored;
        std::string message;
        const bool accepted = ValidateValue(MakeProperty(c.name, c.subtype), c.value, stored, message, c.checkName);
        EXPECT_EQ(accepted, c.accepted) << c.name << " " << c.value.AsText();
        EXPECT_EQ(stored, c.stored) << c.name << " " << c.value.AsText();
        EXPECT_EQ(message, c.message) << c.name << " " << c.value.AsText();
    }
}

TEST(ValueSyntax, IsFullPageWidthAndSetLength) {
    CRecordingPrompt prompt;
    CTsObject site;
    site.CreatePage();
    CTsObject* page = site.children[0];
    CTsObject* block = new CTsObject(page, "Block");
    page->AppendChild(block);
    // Without a library the objects hold only their names: give them a width.
    for (CTsObject* object : {&site, page, block})
        object->properties.SetOwn("width", MakeProperty("width", "LengthX"));
    for (CTsObject* object : {&site, page, block}) object->properties.At("width").SetValue("FullPageWidth");
    EXPECT_FALSE(IsFullPageWidth(site));
    EXPECT_FALSE(IsFullPageWidth(*page));
    EXPECT_TRUE(IsFullPageWidth(*block));

    SetLength(*block, "width", {33.333, true, true});
    EXPECT_EQ(block->OwnValue("width"), "33.33%");
    SetLengthIfValid(*block, "width", {10, false, false});
    EXPECT_EQ(block->OwnValue("width"), "33.33%");
    SetLength(*block, "width", {10, false, false});
    EXPECT_EQ(block->OwnValue("width"), "");
    EXPECT_FALSE(IsFullPageWidth(*block));
}

}  // namespace
