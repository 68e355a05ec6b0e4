#include "core/document/TesseraDoc.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "core/document/TreeEdits.h"
#include "core/model/SharedObjects.h"
#include "core/services/Paths.h"
#include "core/services/TextFile.h"
#include "tests/core/document/DocumentFixture.h"
#include "tests/core/document/ScratchDirectory.h"

namespace fs = std::filesystem;

namespace {

class CScriptedChooser : public IDirectoryChooser {
public:
    CScriptedChooser() { SetDirectoryChooser(this); }
    ~CScriptedChooser() override { SetDirectoryChooser(nullptr); }
    bool ChooseDirectory(const std::string& title, std::string& directory, std::string& siteName) override {
        titles.push_back(title);
        proposedNames.push_back(siteName);
        if (cancel) return false;
        directory = chosenDirectory;
        if (!chosenName.empty()) siteName = chosenName;
        return true;
    }
    bool cancel = false;
    std::string chosenDirectory, chosenName;
    std::vector<std::string> titles, proposedNames;
};

class TesseraDocTest : public CDocumentFixture {
protected:
    std::string Read(const std::string& path) {
        std::string text;
        ReadTextFile(path, text);
        return text;
    }
    CScratchDirectory scratch;
};

TEST_F(TesseraDocTest, ANewSiteHasPageIndexWithBlock1AndAnUntitledName) {
    ASSERT_EQ(doc->site.children.size(), 1u);
    CTsObject* page = Page(0);
    EXPECT_EQ(page->type, "Page");
    EXPECT_EQ(Outline(doc->site), "Site1(index(Block1))");
    EXPECT_EQ(Base(*page->children[0], "innerHTML"), kDefaultBlockText);
    EXPECT_EQ(std::string(kDefaultBlockText).substr(0, 38), "<p>This is a block, like a brick to a ");
    EXPECT_EQ(doc->title.rfind("Quillora", 0), 0u);
    CTesseraDoc second;
    ASSERT_TRUE(second.OnNewDocument());
    EXPECT_EQ(std::stoi(second.title.substr(8)), std::stoi(doc->title.substr(8)) + 1);
    EXPECT_EQ(doc->GetDocumentDirectory(), ProgramDirectory());
}

TEST_F(TesseraDocTest, ANewDocumentTakesThePendingTemplateOnlyWhenItExists) {
    Attach(Page(0), "_Button", "Go");
    const std::string templateFile = scratch.Join("tpl/Shop.quillora");
    MakeDirectories(scratch.Join("tpl"));
    ASSERT_TRUE(doc->OnSaveDocument(templateFile));

    PendingTemplatePath() = scratch.Join("tpl/None.quillora");
    CTesseraDoc plain;
    ASSERT_TRUE(plain.OnNewDocument());
    EXPECT_EQ(Outline(plain.site), "Site1(index(Block1))");
    EXPECT_EQ(PendingTemplatePath(), scratch.Join("tpl/None.quillora"));

    PendingTemplatePath() = templateFile;
    CTesseraDoc fromTemplate;
    ASSERT_TRUE(fromTemplate.OnNewDocument());
    EXPECT_EQ(Outline(fromTemplate.site), "Site1(index(Block1 Go))");
    EXPECT_EQ(fromTemplate.templatePath, templateFile);
    EXPECT_TRUE(PendingTemplatePath().empty());
    EXPECT_TRUE(fromTemplate.path.empty());
    EXPECT_EQ(fromTemplate.title.rfind("Quillora", 0), 0u);
    EXPECT_EQ(fromTemplate.GetDocumentDirectory(), scratch.Join("tpl/"));
}

TEST_F(TesseraDocTest, OpeningAnythingButASiteFileFailsWithOneMessage) {
    const std::string deep(200000, '[');
    const std::string cases[] = {"", "not json", "[1, 2]", "\"text\"", deep, std::string(1, '\0') + "{}", "{\"a\":"};
    int number = 0;
    for (const std::string& text : cases) {
        const std::string file = scratch.Join("bad" + std::to_string(number++) + ".quillora");
        WriteTextFile(file, text);
        CTesseraDoc opened;
        prompt.messages.clear();
        EXPECT_FALSE(opened.OnOpenDocument(file)) << number;
        EXPECT_EQ(prompt.messages, std::vector<std::string>{"Failed to open document."}) << number;
        EXPECT_TRUE(opened.site.children.empty());
    }
    CTesseraDoc missing;
    EXPECT_FALSE(missing.OnOpenDocument(scratch.Join("missing.quillora")));
}

TEST_F(TesseraDocTest, AHundredMegabyteFileOpensOrFailsWithoutHanging) {
    const std::string huge(100u << 20, 'x');
    const std::string valid = "{\"object\":{\"type\":\"Site\",\"propertylist\":[{\"property\":{\"name\":\"name\","
                              "\"type\":\"String\",\"value\":{\"int\":0,\"str\":\"" + huge + "\"}}}]}}";
    const std::string file = scratch.Join("huge.quillora");
    WriteTextFile(file, valid);
    CTesseraDoc opened;
    ASSERT_TRUE(opened.OnOpenDocument(file));
    EXPECT_EQ(opened.site.GetName().size(), huge.size());
    WriteTextFile(file, std::string(100u << 20, ' ') + "{ \"object\" : [ 1, 2,");
    CTesseraDoc refused;
    EXPECT_FALSE(refused.OnOpenDocument(file));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Failed to open document."});
}

TEST_F(TesseraDocTest, SavingBringsTheSharedCopiesOfTheShownPageUpToDateAndOpensBack) {
    CTsObject* about = edits->AddPage();
    CTsObject* footer = Attach(Page(0), "Container", "Footer");
    AppEventHub::Instance().SetHandler(AppendObject, [this](const EventRecord& record) {
        edits->AppendObject(reinterpret_cast<CTsObject*>(record.first), reinterpret_cast<CTsObject*>(record.second));
    });
    ASSERT_EQ(PasteAsShared({footer}, *about), 1);
    CTsObject* copy = about->children.back();
    ASSERT_TRUE(edits->ShowPage(about, false));
    SetBase(*copy, "color", "#abcdef");

    const std::string file = scratch.Join("site.quillora");
    doc->modified = true;
    ASSERT_TRUE(doc->OnSaveDocument(file));
    EXPECT_FALSE(doc->modified);
    EXPECT_EQ(Base(*footer, "color"), "#abcdef");

    CTesseraDoc opened;
    ASSERT_TRUE(opened.OnOpenDocument(file));
    EXPECT_EQ(opened.path, file);
    EXPECT_EQ(opened.title, "site.quillora");
    EXPECT_FALSE(opened.modified);
    EXPECT_EQ(Outline(opened.site), Outline(doc->site));
    EXPECT_EQ(Base(*opened.site.FindObjectByName("Footer"), "color"), "#abcdef");
    ASSERT_EQ(opened.site.sharedGroups.size(), 1u);
    EXPECT_EQ(opened.site.sharedGroups[0].size(), 2u);
    EXPECT_EQ(opened.GetDocumentDirectory(), scratch.Path() + "/");
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
}

TEST_F(TesseraDocTest, SaveToDirectoryCollectsTheTemplatesFilesAndAdoptsThePath) {
    // A template with a sub-folder of its own and references to files outside.
    MakeDirectories(scratch.Join("tpl/images"));
    WriteTextFile(scratch.Join("tpl/images/bg.png"), "bg");
    MakeDirectories(scratch.Join("elsewhere"));
    WriteTextFile(scratch.Join("elsewhere/logo (1).png"), "logo");
    WriteTextFile(scratch.Join("elsewhere/pic.png"), "pic");
    CTsObject* block = Page(0)->children[0];
    SetBase(*block, "image", FileUrlFromPath(scratch.Join("elsewhere/logo (1).png")));
    SetBase(*block, "innerHTML", "<img src=\"" + FileUrlFromPath(scratch.Join("elsewhere/pic.png")) + "\">");
    const std::string templateFile = scratch.Join("tpl/Shop.quillora");
    ASSERT_TRUE(doc->OnSaveDocument(templateFile));
    PendingTemplatePath() = templateFile;
    CTesseraDoc fresh;
    ASSERT_TRUE(fresh.OnNewDocument());

    CScriptedChooser chooser;
    chooser.cancel = true;
    EXPECT_FALSE(fresh.DoSave(nullptr));
    EXPECT_TRUE(fresh.path.empty());

    chooser.cancel = false;
    chooser.chosenDirectory = scratch.Join("out/new site");
    chooser.chosenName = "MySite";
    ASSERT_TRUE(fresh.DoSave(nullptr));
    EXPECT_EQ(chooser.titles.back(), "Save Site to Directory");
    EXPECT_EQ(chooser.proposedNames.back(), "Site1");
    const std::string saved = scratch.Join("out/new site/MySite.quillora");
    EXPECT_EQ(fresh.path, saved);
    EXPECT_EQ(fresh.title, "MySite.quillora");
    EXPECT_EQ(fresh.site.GetName(), "MySite");
    EXPECT_EQ(Read(scratch.Join("out/new site/images/bg.png")), "bg");
    EXPECT_EQ(Read(scratch.Join("out/new site/files/logo (1).png")), "logo");
    EXPECT_EQ(Read(scratch.Join("out/new site/files/pic.png")), "pic");
    CTsObject* savedBlock = fresh.site.FindObjectByName("Block1");
    EXPECT_EQ(Base(*savedBlock, "image"), "files/logo%20%281%29.png");
    EXPECT_EQ(Base(*savedBlock, "innerHTML"), "<img src=\"files/pic.png\">");
    EXPECT_NE(Read(saved).find("files/logo%20%281%29.png"), std::string::npos);

    // Save again in place: nothing new to copy, the file is rewritten.
    ASSERT_TRUE(fresh.DoSave(&fresh.path));
    EXPECT_EQ(fresh.path, saved);
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
}

TEST_F(TesseraDocTest, ARefusedSiteNameSavesUnderTheOldName) {
    CScriptedChooser chooser;
    chooser.chosenDirectory = scratch.Path();
    chooser.chosenName = "INDEX";  // the page bears it
    ASSERT_TRUE(doc->DoSave(nullptr));
    EXPECT_EQ(prompt.messages,
              std::vector<std::string>{"Can't set to this name, cause there is already same name exists."});
    EXPECT_EQ(doc->path, scratch.Join("Site1.quillora"));
    EXPECT_TRUE(FileExists(doc->path));
}

TEST_F(TesseraDocTest, AFailedSaveLeavesTheOldFileUntouched) {
    const std::string file = scratch.Join("site.quillora");
    ASSERT_TRUE(doc->OnSaveDocument(file));
    const std::string before = Read(file);
    for (int i = 0; i < 40; ++i) Attach(Page(0), "Block", "More" + std::to_string(i));
    doc->modified = true;

    // The file system refuses anything longer than the old file.
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = before.size() + 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool result = doc->OnSaveDocument(file);
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(result);
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Failed to save document."});
    EXPECT_TRUE(doc->modified);
    EXPECT_EQ(Read(file), before);
    size_t entries = 0;
    for (const auto& entry : fs::directory_iterator(scratch.Path())) entries += entry.is_regular_file();
    EXPECT_EQ(entries, 1u);  // no temporary file left behind

    prompt.messages.clear();
    EXPECT_FALSE(doc->OnSaveDocument(scratch.Join("no/such/dir/site.quillora")));
    EXPECT_EQ(prompt.messages, std::vector<std::string>{"Incorrect filename."});
    ASSERT_TRUE(doc->OnSaveDocument(file));
    EXPECT_GT(Read(file).size(), before.size());
}

TEST_F(TesseraDocTest, PageEditsRefuseTheLastPageAndPagesThroughTheObjectInterface) {
    EXPECT_FALSE(edits->DeleteObject(Page(0), true));
    EXPECT_FALSE(edits->DeleteObject(&doc->site, true));
    EXPECT_FALSE(edits->DeletePage(Page(0)));
    EXPECT_EQ(prompt.messages, (std::vector<std::string>{"can't delete page or site through this interface.",
                                                         "can't delete page or site through this interface.",
                                                         "Can't delete last page of site."}));
    CTsObject* second = edits->AddPage();
    ASSERT_TRUE(edits->ShowPage(second, false));
    ASSERT_TRUE(edits->DeletePage(second));
    EXPECT_EQ(doc->shownPage, Page(0));
    EXPECT_EQ(doc->site.children.size(), 1u);
    ASSERT_TRUE(doc->history.Undo());  // the switch to the first page was not recorded: the deletion
    EXPECT_EQ(doc->site.children.size(), 2u);
    EXPECT_EQ(doc->site.children[1], second);
}

TEST_F(TesseraDocTest, ClonedAndPastedPagesGetNamesOfTheirOwnAndTheClipboardOutlivesTheSite) {
    CTsObject* copy = edits->ClonePage(Page(0));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(Outline(doc->site), "Site1(index(Block1) index1(Block2))");
    ASSERT_TRUE(doc->history.Undo());
    EXPECT_EQ(doc->site.children.size(), 1u);

    edits->CopyPage(Page(0));
    doc->OnCloseDocument();
    doc.reset();
    ASSERT_EQ(PageClipboard().pages.size(), 1u);
    EXPECT_TRUE(CTsObject::IsLive(PageClipboard().pages[0]));

    CTesseraDoc other;
    ASSERT_TRUE(other.OnNewDocument());
    CTreeEdits otherEdits(other);
    CTsObject* pasted = otherEdits.PastePage();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(Outline(other.site), "Site1(index(Block1) index1(Block2))");
    EXPECT_EQ(pasted->root, &other.site);

    ASSERT_TRUE(otherEdits.CutPage(pasted));
    EXPECT_EQ(other.site.children.size(), 1u);
    EXPECT_EQ(PageClipboard().pages[0], pasted);
    EXPECT_TRUE(PageClipboard().cut);
    PageClipboard().Clear();
    EXPECT_TRUE(CTsObject::IsLive(pasted));  // the history still holds it
    EXPECT_TRUE(prompt.messages.empty()) << prompt.messages.front();
}

}  // namespace
