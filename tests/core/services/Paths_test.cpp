#include <gtest/gtest.h>

#include "core/services/Paths.h"

TEST(PathJoin, InsertsOneSeparatorUnlessASideHasOne) {
    struct Case { const char* left; const char* right; const char* joined; };
    const Case cases[] = {
        {"/a", "b", "/a/b"},        {"/a/", "b", "/a/b"},      {"/a", "/b", "/a/b"},
        {"/a/", "/b", "/a//b"},     {"C:\\site\\", "x", "C:\\site\\x"}, {"dir", "\\x", "dir\\x"},
        {"", "b", "b"},             {"a", "", "a"},
    };
    for (const Case& c : cases) EXPECT_EQ(PathJoin(c.left, c.right), c.joined) << c.left << " + " << c.right;
}

TEST(FileUrlFromPath, ConvertsLocalPathsAndEncodesBracketsAndQuotes) {
    struct Case { const char* path; const char* url; };
    const Case cases[] = {
        {"/home/me/pic.jpg", "file:///home/me/pic.jpg"},
        {"/home/me/my pic (1).jpg", "file:///home/me/my%20pic%20%281%29.jpg"},
        {"/home/me/it's.png", "file:///home/me/it%27s.png"},
        {"C:\\Users\\me\\a.png", "file:///C:/Users/me/a.png"},
        {"\\\\server\\share\\a.png", "file://server/share/a.png"},
        {"images\\logo (2).png", "images/logo %282%29.png"},
        {"files/a.png", "files/a.png"},
    };
    for (const Case& c : cases) EXPECT_EQ(FileUrlFromPath(c.path), c.url) << c.path;
}
