// The in-place editor installed beside the program: a text widget's design page in
// editing form shows the editor with "Submit" and "Cancel", whose buttons ask for
// http://submit/ and http://cancel/, and the editor's content is readable by script.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/generation/PageRender.h"
#include "core/library/Instantiate.h"
#include "core/model/TsObject.h"
#include "core/services/Paths.h"
#include "tests/support/HeadlessBrowser.h"
#include "tests/support/RecordingPrompt.h"
#include "tests/support/ScopedLibrary.h"

namespace {

class InPlaceEditor : public ::testing::Test {
protected:
    InPlaceEditor() {
        InstallInstantiation();
        site = std::make_unique<CTsObject>();
        site->CreatePage();
        page = site->children[0];
        page->SetProperty("name", PropertyVariant(std::string("index")));
        text = new CTsObject(page, "_Basic_Text");
        page->AppendChild(text);
        text->SetProperty("name", PropertyVariant(std::string("Intro")));
        text->SetProperty("innerHTML", PropertyVariant(std::string("<p>Hello <b>world</b></p>")));
        text->editing = true;
        page->editing = true;
    }

    // Console lines of the editing page after `script` ran in it.
    std::vector<std::string> LoadEditingPage(const std::string& script) {
        const std::string path = PathJoin(QUILLORA_PROGRAM_DIR, "editing-test.htm");
        std::ofstream(path, std::ios::binary) << RenderPage(*page, PageForm::Design);
        std::vector<std::string> lines = CHeadlessBrowser::Load(path, script);
        std::remove(path.c_str());
        return lines;
    }

    static std::string Find(const std::vector<std::string>& lines, const std::string& marker) {
        for (const std::string& line : lines)
            if (line.find(marker) != std::string::npos) return line;
        return std::string();
    }

    CRecordingPrompt prompt;
    CScopedLibrary library;
    std::unique_ptr<CTsObject> site;
    CTsObject* page = nullptr;
    CTsObject* text = nullptr;
};

TEST_F(InPlaceEditor, SubmitAndCancelEndTheEditByNavigation) {
    if (!CHeadlessBrowser::Available()) GTEST_SKIP() << "chromium is not installed";
    ASSERT_TRUE(text->canInlineEdit);
    struct Case {
        const char* button;
        const char* address;
    };
    for (const Case& test : {Case{"submit", "http://submit/"}, Case{"cancel", "http://cancel/"}}) {
        SCOPED_TRACE(test.button);
        const std::vector<std::string> lines = LoadEditingPage(
            std::string("var b=document.querySelector('.cke_button__") + test.button + "');"
            "console.log('PROBE-LABEL '+(b?b.textContent:'none'));"
            "console.log('PROBE-DATA '+CKEDITOR.instances['Intro'].getData());"
            "if(b)b.click();");
        EXPECT_TRUE(CHeadlessBrowser::Faults(lines).empty()) << CHeadlessBrowser::Faults(lines).front();
        EXPECT_NE(Find(lines, "PROBE-DATA").find("<p>Hello <b>world</b></p>"), std::string::npos);
        const std::string label = Find(lines, "PROBE-LABEL");
        EXPECT_EQ(label.find("PROBE-LABEL none"), std::string::npos) << "the toolbar has the button";
        EXPECT_NE(Find(lines, "PROBE-NAVIGATE").find(test.address), std::string::npos) << label;
    }
}

}  // namespace
