#include <gtest/gtest.h>

#include "core/services/Regex.h"

TEST(CRegex, FindsFirstMatchFromAStartPosition) {
    CRegex number("[0-9]+");
    size_t position = 0, length = 0;
    ASSERT_TRUE(number.Search("ab 12 cd 345", 0, &position, &length));
    EXPECT_EQ(position, 3u);
    EXPECT_EQ(length, 2u);
    ASSERT_TRUE(number.Search("ab 12 cd 345", 5, &position, &length));
    EXPECT_EQ(position, 9u);
    EXPECT_EQ(length, 3u);
    EXPECT_FALSE(number.Search("no digits", 0, &position, &length));
}

TEST(CRegex, CaretAnchorsAtTheStartOfTheWholeText) {
    CRegex start("^x");
    EXPECT_TRUE(start.Search("xy"));
    EXPECT_FALSE(start.Search("ax", 1, nullptr, nullptr));
}

TEST(CRegex, WholeTextMatchAndInvalidPattern) {
    EXPECT_TRUE(CRegex("[a-z]+").Matches("abc"));
    EXPECT_FALSE(CRegex("[a-z]+").Matches("abc1"));
    CRegex broken("([a-");
    EXPECT_FALSE(broken.IsValid());
    EXPECT_FALSE(broken.Search("anything"));
}
