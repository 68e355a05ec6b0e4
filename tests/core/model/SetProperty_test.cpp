#include <gtest/gtest.h>

#include "tests/core/model/ModelFixture.h"

namespace {

class SetPropertyTest : public ModelFixture {
protected:
    void SetUp() override {
        ModelFixture::SetUp();
        MakeSite();
        logo = Attach(Page(), "Image", "Logo");
        text = Attach(Page(), "Text", "Intro");
        events.clear();
        posted.clear();
    }
    CTsObject* logo = nullptr;
    CTsObject* text = nullptr;
};

const char* const kRefused = "Can't set to this name, cause there is already same name exists.";

TEST_F(SetPropertyTest, RenameRaisesTheTreeEvents) {
    text->SetProperty("name", "Welcome");
    EXPECT_EQ(text->GetName(), "Welcome");
    EXPECT_EQ(events, (std::vector<int>{RefreshWidgetTree, SetModified}));
    EXPECT_EQ(posted, (std::vector<int>{RefreshSiteTree}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(SetPropertyTest, RefusedRenameIsReportedEveryOtherTime) {
    // The grid commits a refused edit a second time when the message box closes.
    const size_t expectedMessages[] = {1, 1, 2, 2};
    for (size_t attempt = 0; attempt < 4; ++attempt) {
        text->SetProperty("NAME", " logo ");
        EXPECT_EQ(text->GetName(), "Intro");
        EXPECT_EQ(prompt.messages.size(), expectedMessages[attempt]) << attempt;
    }
    EXPECT_EQ(prompt.messages[0], kRefused);
    EXPECT_EQ(events, (std::vector<int>{RefreshProperties, RefreshProperties}));
    EXPECT_TRUE(posted.empty());
}

TEST_F(SetPropertyTest, RenamingToTheOwnNameIsRefused) {
    text->SetProperty("name", "intro");
    EXPECT_EQ(prompt.messages, std::vector<std::string>{kRefused});
    EXPECT_EQ(LastRefusedObject(), text);
}

TEST_F(SetPropertyTest, TheLastRefusedObjectIsForgottenWhenDestroyed) {
    text->SetProperty("name", "Logo");
    Page()->RemoveChild(text);
    text->Release();
    EXPECT_EQ(LastRefusedObject(), nullptr);
}

TEST_F(SetPropertyTest, OtherPropertiesRaiseOnlySetModified) {
    text->SetProperty("color", "red");
    EXPECT_EQ(text->OwnValue("color"), "red");
    EXPECT_EQ(events, std::vector<int>{SetModified});
    text->SetInnerHTML("<b>hi</b>");  // an unknown name stores nothing typed
    EXPECT_EQ(text->OwnValue("innerHTML"), "");
}

TEST_F(SetPropertyTest, ViewportTextRefreshesTheDesignPage) {
    site->SetProperty("viewport", "[{\"name\":\"Phone\"}]");
    EXPECT_EQ(logo->properties.ViewportLists().size(), 1u);
    EXPECT_EQ(events, (std::vector<int>{RefreshDesignPage, SetModified}));
    events.clear();
    site->SetProperty("viewport", "[{\"name\":\"Phone\"}]");  // unchanged: lists kept
    EXPECT_EQ(logo->properties.ViewportLists().size(), 1u);
    EXPECT_EQ(events, (std::vector<int>{RefreshDesignPage, SetModified}));
}

}  // namespace
