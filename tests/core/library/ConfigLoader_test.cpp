#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/library/ConfigLoader.h"
#include "core/library/DefinitionJson.h"
#include "core/library/TypeNames.h"
#include "core/services/Paths.h"
#include "core/services/TextFile.h"
#include "tests/support/RecordingPrompt.h"

namespace {

const std::string kTree = std::string(QUILLORA_FIXTURES_DIR) + "/library/tree/";
const std::string kBroken = std::string(QUILLORA_FIXTURES_DIR) + "/library/broken/";

// Records the widget menu as indented lines: "Name=id" for items, "Name>" for popups.
class CRecordingMenu : public IWidgetMenu {
public:
    explicit CRecordingMenu(std::vector<std::string>& lines, std::string indent = "")
        : lines_(lines), indent_(std::move(indent)) {}
    void AppendItem(const std::string& text, int commandId) override {
        lines_.push_back(indent_ + text + "=" + std::to_string(commandId));
    }
    IWidgetMenu& AppendPopup(const std::string& text) override {
        lines_.push_back(indent_ + text + ">");
        popups_.push_back(std::make_unique<CRecordingMenu>(lines_, indent_ + "  "));
        return *popups_.back();
    }

private:
    std::vector<std::string>& lines_;
    std::string indent_;
    std::vector<std::unique_ptr<CRecordingMenu>> popups_;
};

const CWidgetTree* Child(const CWidgetTree& node, const std::string& name) {
    for (const CWidgetTree& child : node.children)
        if (child.name == name) return &child;
    return nullptr;
}

class LoadedTree : public ::testing::Test {
protected:
    void SetUp() override { loader.LoadFrom(kTree); }
    CRecordingPrompt prompt;
    CConfigLoader loader;
};

TEST(TypeNames, ShortNameIsTheTextAfterTheLastUnderscore) {
    EXPECT_EQ(ShortTypeName("_Basic_Button"), "Button");
    EXPECT_EQ(ShortTypeName("_My_Box"), "Box");
    EXPECT_EQ(ShortTypeName("Container"), "Container");
    EXPECT_EQ(ShortTypeName("Trailing_"), "");
    EXPECT_EQ(ChildTypeName("_A_B", "Button"), "_A_B_Button");
}

TEST_F(LoadedTree, SplitsCategoriesFromWidgetsInSortedOrder) {
    EXPECT_TRUE(prompt.messages.empty());
    const CWidgetTree& root = loader.WidgetTree();
    EXPECT_EQ(root.names, (std::vector<std::string>{"Button", "Mismatch", "My_Box", "Nested"}));
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "Basic");
    EXPECT_EQ(root.children[0].id, "_Basic");
    EXPECT_EQ(root.children[0].names, (std::vector<std::string>{"Button", "Label"}));
    const CWidgetTree* forms = Child(root.children[0], "Forms");
    ASSERT_NE(forms, nullptr);
    EXPECT_EQ(forms->id, "_Basic_Forms");
    EXPECT_EQ(TypeNameOf(*forms, 0), "_Basic_Forms_Input");
    // An empty category still appears; plain files at category level do not.
    const CWidgetTree* empty = Child(root, "Empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->names.empty());
    EXPECT_TRUE(empty->children.empty());
}

TEST_F(LoadedTree, TypeNamesAndDefinitions) {
    EXPECT_TRUE(loader.HasWidget("_Button"));
    EXPECT_TRUE(loader.HasWidget("_Basic_Button"));  // same directory name, other category
    EXPECT_TRUE(loader.HasWidget("_Basic_Forms_Input"));
    EXPECT_TRUE(loader.HasWidget("_My_Box"));
    EXPECT_FALSE(loader.HasWidget("_Nested_Inner"));  // a widget's sub-directories are not scanned
    EXPECT_FALSE(loader.HasWidget("Button"));
    EXPECT_EQ(StringMember("CanInlineEdit", Member("Button", loader.GetWidgetDefinition("_Button"))), "Yes");
    // Root members come first, widget definitions after them, null otherwise.
    EXPECT_EQ(StringMember("Base", loader.GetDefinition("Container")), "Block");
    EXPECT_TRUE(loader.GetDefinition("_Button").isMember("Button"));
    EXPECT_TRUE(loader.GetDefinition("_Nothing").isNull());
    EXPECT_TRUE(loader.RootDefinitions().isMember("PageWidthBlock"));
}

TEST_F(LoadedTree, DescriptionsAndScreenshotsWithFallback) {
    const CWidgetTree& root = loader.WidgetTree();
    ASSERT_EQ(root.descriptions.size(), root.names.size());
    ASSERT_EQ(root.screenshots.size(), root.names.size());
    EXPECT_EQ(root.descriptions[0], "A push button.\n");
    EXPECT_EQ(root.screenshots[0], FileUrlFromPath(kTree + "widgets/Button/screenshot.jpg"));
    EXPECT_EQ(root.descriptions[1], "");
    EXPECT_EQ(root.screenshots[1], FileUrlFromPath(kTree + "img/bootstrap-mdo-sfmoma-01.jpg"));
}

TEST_F(LoadedTree, RecordsTheTemplateFilesOfEachWidget) {
    const CWidgetTemplate* label = loader.FindWidgetTemplate("_Basic_Label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->name, "Label");
    EXPECT_EQ(label->directory, kTree + "widgets/Basic/Label");
    ASSERT_EQ(label->templates.size(), 2u);
    ASSERT_NE(label->Find("Label.htm"), nullptr);
    EXPECT_EQ(label->Find("Label.htm")->path, kTree + "widgets/Basic/Label/Label.htm");
    ASSERT_NE(label->Find("Item.htm"), nullptr);
    ASSERT_NE(label->Find("Item.htm")->nodes, nullptr);
    EXPECT_EQ(label->Find("Item.htm")->nodes->front().text, "<li>[#item]</li>\n");
    EXPECT_EQ(label->Find("label.htm"), nullptr);  // names are matched exactly
    EXPECT_EQ(label->renderMode, 0);
    EXPECT_EQ(loader.FindWidgetTemplate("Container"), nullptr);
}

TEST_F(LoadedTree, TemplateTreeRecognisesSiteFilesNamedAfterTheirDirectory) {
    const CWidgetTree& root = loader.TemplateTree();
    EXPECT_EQ(root.names, (std::vector<std::string>{"Shop"}));
    EXPECT_EQ(root.descriptions[0], "An online shop.\n");
    const CWidgetTree* demo = Child(root, "Demo");
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(TypeNameOf(*demo, 0), "_Demo_Blog");
    const CWidgetTree* odd = Child(root, "Odd");  // holds Other.quillora: a category
    ASSERT_NE(odd, nullptr);
    EXPECT_TRUE(odd->names.empty());
    EXPECT_FALSE(loader.HasWidget("_Shop"));
}

TEST_F(LoadedTree, WidgetMenuListsWidgetsBeforeSubCategories) {
    std::vector<std::string> lines;
    CRecordingMenu menu(lines);
    loader.AppendWidgetMenu(menu);
    const std::vector<std::string> expected = {
        "Button=5000", "Mismatch=5001", "My_Box=5002", "Nested=5003",
        "Basic>", "  Button=5004", "  Label=5005", "  Forms>", "    Input=5006",
        "Empty>",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(loader.TypeForMenuCommand(5000), "_Button");
    EXPECT_EQ(loader.TypeForMenuCommand(5004), "_Basic_Button");
    EXPECT_EQ(loader.TypeForMenuCommand(5006), "_Basic_Forms_Input");
    EXPECT_EQ(loader.TypeForMenuCommand(5007), "");
    EXPECT_EQ(loader.TypeForMenuCommand(4999), "");
    // Building the menu again hands out the same identifiers.
    lines.clear();
    CRecordingMenu again(lines);
    loader.AppendWidgetMenu(again);
    EXPECT_EQ(lines, expected);
}

TEST(ConfigLoaderFailures, MalformedFilesAreReportedAndLoadingGoesOn) {
    CRecordingPrompt prompt;
    CConfigLoader loader;
    loader.LoadFrom(kBroken);
    ASSERT_EQ(prompt.messages.size(), 3u);  // the third is a template that fails to parse
    EXPECT_EQ(prompt.messages[0], "Error parsing root config.json, please check the file for formating error.");
    EXPECT_EQ(prompt.messages[1],
              "Error parsing " + kBroken + "widgets/Broken, please check the file for formating error.");
    EXPECT_TRUE(loader.HasWidget("_Broken"));  // stored even after the failure
    EXPECT_TRUE(loader.HasWidget("_Fine"));
    EXPECT_TRUE(loader.TemplateTree().names.empty());  // no template directory at all
}

TEST(ConfigLoaderFailures, MissingLibraryReportsTheRootFileOnly) {
    CRecordingPrompt prompt;
    CConfigLoader loader;
    loader.LoadFrom(std::string(QUILLORA_FIXTURES_DIR) + "/library/does-not-exist");
    EXPECT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(loader.WidgetTree().names.empty());
    EXPECT_TRUE(loader.RootDefinitions().isNull());
}

TEST(ConfigLoaderFailures, TemplateThatFailsToParseIsSkippedWithItsMessage) {
    CRecordingPrompt prompt;
    CConfigLoader loader;
    loader.LoadFrom(kBroken);
    ASSERT_EQ(prompt.messages.size(), 3u);
    const std::string prefix = "loading " + kBroken + "widgets/Fine/Bad.htm error: ";
    EXPECT_EQ(prompt.messages[2].rfind(prefix, 0), 0u) << prompt.messages[2];
    EXPECT_NE(prompt.messages[2].find("syntax error"), std::string::npos);
    const CWidgetTemplate* fine = loader.FindWidgetTemplate("_Fine");
    ASSERT_NE(fine, nullptr);
    EXPECT_EQ(fine->Find("Bad.htm"), nullptr);
    ASSERT_NE(fine->Find("Fine.htm"), nullptr);
    ASSERT_NE(fine->Find("Fine.htm")->nodes, nullptr);
    EXPECT_FALSE(fine->Find("Fine.htm")->nodes->empty());
}

TEST(ConfigLoaderFailures, DirectoryLinkedIntoItselfIsScannedOnce) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("quillora-loop-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "widgets/Cat/Widget");
    WriteTextFile((root / "config.json").string(), "{}");
    WriteTextFile((root / "widgets/Cat/Widget/config.json").string(), "{\"Widget\": {}}");
    fs::create_directory_symlink(root / "widgets/Cat", root / "widgets/Cat/Again");
    fs::create_directory_symlink(root / "widgets", root / "widgets/Cat/Up");
    CRecordingPrompt prompt;
    CConfigLoader loader;
    loader.LoadFrom(root.string());
    fs::remove_all(root);
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_EQ(loader.WidgetTree().children.size(), 1u);
    const CWidgetTree& cat = loader.WidgetTree().children[0];
    EXPECT_EQ(cat.names, std::vector<std::string>{"Widget"});
    ASSERT_EQ(cat.children.size(), 2u);  // the links appear as empty categories
    EXPECT_TRUE(cat.children[0].names.empty());
    EXPECT_TRUE(cat.children[1].children.empty());
}

TEST(DefinitionJson, MemberHelpersNeverFail) {
    Json::Value value;
    std::string error;
    ASSERT_TRUE(ParseDefinitionText("\xEF\xBB\xBF{\"a\": \"x\", \"n\": 3, \"o\": {}, \"l\": [\"p\", 2, {}]} // note",
                                    value, error));
    EXPECT_EQ(StringMember("a", value), "x");
    EXPECT_EQ(StringMember("n", value), "3");
    EXPECT_EQ(StringMember("o", value), "");
    EXPECT_EQ(StringMember("missing", value), "");
    EXPECT_TRUE(Member("a", Member("l", value)).isNull());  // not an object
    EXPECT_EQ(StringElement(0, Member("l", value)), "p");
    EXPECT_EQ(StringElement(1, Member("l", value)), "2");
    EXPECT_EQ(StringElement(2, Member("l", value)), "");
    EXPECT_TRUE(Element(3, Member("l", value)).isNull());
    EXPECT_TRUE(Element(0, Member("a", value)).isNull());
    EXPECT_FALSE(ParseDefinitionText(std::string(5000, '['), value, error));  // nesting too deep
    EXPECT_FALSE(error.empty());
}

}  // namespace
