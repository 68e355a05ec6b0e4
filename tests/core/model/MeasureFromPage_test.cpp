#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "core/model/PageEvaluator.h"
#include "tests/core/model/ModelFixture.h"

namespace {

// A design page that knows the offsets of some elements and answers both the
// single-member expressions and the batched script.
class FakePage : public IPageEvaluator {
public:
    std::string Evaluate(const std::string& script) override {
        scripts.push_back(script);
        std::smatch match;
        static const std::regex single(R"(^document\.getElementById\('([^']*)'\)\.(\w+)$)");
        if (std::regex_match(script, match, single)) {
            auto found = offsets.find(match[1]);
            if (found == offsets.end()) return "";
            const std::string member = match[2];
            const int index = member == "offsetLeft" ? 0 : member == "offsetTop" ? 1 : member == "offsetWidth" ? 2 : 3;
            return std::to_string(found->second[index]);
        }
        static const std::regex batch(R"(var ids=\[(.*)\];)");
        if (!std::regex_search(script, match, batch)) return "";
        std::string answer, ids = match[1];
        static const std::regex id(R"('([^']*)')");
        for (auto it = std::sregex_iterator(ids.begin(), ids.end(), id); it != std::sregex_iterator(); ++it) {
            if (it != std::sregex_iterator(ids.begin(), ids.end(), id)) answer += ";";
            auto found = offsets.find((*it)[1]);
            if (found == offsets.end()) continue;
            const auto& o = found->second;
            answer += std::to_string(o[0]) + "," + std::to_string(o[1]) + "," + std::to_string(o[2]) + "," +
                      std::to_string(o[3]);
        }
        return answer;
    }
    std::map<std::string, std::array<int, 4>> offsets;
    std::vector<std::string> scripts;
};

class MeasureTest : public ModelFixture {
protected:
    void SetUp() override {
        ModelFixture::SetUp();
        MakeSite();
        block = Attach(Page(), "Block", "Static");  // static: passes its origin on
        inStatic = Attach(block, "Text", "InStatic");
        box = Attach(Page(), "Block", "Box");
        box->properties.At("position").SetValue("absolute");
        inBox = Attach(box, "Text", "InBox");
        pinned = Attach(box, "Text", "Pinned");
        pinned->properties.At("position").SetValue("Fixed");
        wide = Attach(box, "Text", "Wide");
        wide->properties.At("width").SetValue("FullPageWidth");
        page.offsets = {{"Page1", {0, 0, 960, 2000}}, {"Static", {10, 20, 100, 50}},
                        {"InStatic", {1, 2, 3, 4}},   {"Box", {100, 200, 300, 400}},
                        {"InBox", {5, 6, 7, 8}},      {"Pinned", {5, 6, 7, 8}},
                        {"Wide", {5, 6, 7, 8}}};
    }
    void ExpectRectangles() {
        EXPECT_EQ(Page()->rect, (TSRECT{0, 0, 960, 2000}));
        EXPECT_EQ(block->rect, (TSRECT{10, 20, 110, 70}));
        EXPECT_EQ(inStatic->rect, (TSRECT{1, 2, 4, 6}));  // the page's origin, not the block's box
        EXPECT_EQ(box->rect, (TSRECT{100, 200, 400, 600}));
        EXPECT_EQ(inBox->rect, (TSRECT{105, 206, 112, 214}));
        EXPECT_EQ(pinned->rect, (TSRECT{5, 6, 12, 14}));  // fixed ignores the origin
        EXPECT_EQ(wide->rect, (TSRECT{5, 6, 12, 14}));
    }
    FakePage page;
    CTsObject *block, *inStatic, *box, *inBox, *pinned, *wide;
};

TEST_F(MeasureTest, OneEvaluationPerMember) {
    Page()->MeasureFromPage(page, 0, 0);
    ExpectRectangles();
    EXPECT_EQ(page.scripts.size(), 7u * 4u);
    EXPECT_EQ(page.scripts[0], "document.getElementById('Page1').offsetLeft");
}

TEST_F(MeasureTest, OneEvaluationForTheWholePage) {
    Page()->MeasureFromPageBatched(page, 0, 0);
    ExpectRectangles();
    EXPECT_EQ(page.scripts.size(), 1u);
}

TEST_F(MeasureTest, SocketedChildrenAreMeasuredFromTheirSocketOwner) {
    inStatic->socketed = true;
    inStatic->socketOwner = box;
    box->socketedObjects.push_back(inStatic);
    Page()->MeasureFromPageBatched(page, 0, 0);
    EXPECT_EQ(inStatic->rect, (TSRECT{101, 202, 104, 206}));
}

TEST_F(MeasureTest, UnknownElementsAndFailedEvaluationsMeasureZero) {
    page.offsets.erase("InBox");
    Page()->MeasureFromPage(page, 0, 0);
    EXPECT_EQ(inBox->rect, (TSRECT{100, 200, 100, 200}));
    FakePage silent;  // knows nothing: the batch answer has the wrong shape
    silent.offsets.clear();
    box->MeasureFromPageBatched(silent, 7, 9);
    EXPECT_EQ(box->rect, (TSRECT{7, 9, 7, 9}));
}

TEST_F(MeasureTest, NamesCannotBreakOutOfTheScript) {
    inBox->properties.FindOwn("name")->value.text = "a');alert(1);('";
    Page()->MeasureFromPage(page, 0, 0);
    const std::string escaped = R"(document.getElementById('a\');alert(1);(\'').offsetLeft)";
    EXPECT_NE(std::find(page.scripts.begin(), page.scripts.end(), escaped), page.scripts.end());
}

}  // namespace
