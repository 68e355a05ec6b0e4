#include "core/model/StyledJson.h"

#include <gtest/gtest.h>

#include <string>

// The layout must stay byte for byte the one JsonCpp's StyledWriter gives.
TEST(StyledJsonText, MatchesTheStyledWriterByteForByte) {
    std::string many = "[";
    for (int i = 0; i < 25; ++i) many += std::string(i ? "," : "") + "1";
    many += "]";
    const std::string cases[] = {
        "null", "0", "-7", "4294967295", "1.5", "1e300", "true", "\"text\"", "[]", "{}",
        "{\"b\" : 1, \"a\" : [], \"c\" : {}}",
        "[null, \"x\"]",
        "[[\"Footer\", \"Footer1\"], null, [null, \"Label2\"]]",
        "[\"a very long name indeed\", \"another very long name\", \"and a third long one\"]",
        "[\"exactly\", \"seventy\", \"four\", \"wide\", \"in all\", \"maybe or not\", \"count\", \"ok\"]",
        many,
        "{\"s\" : \"quote \\\" back \\\\ tab \\t nl \\n ctl \\u0001 e\\u00e9 \\ud83d\\ude00 nul \\u0000 end\"}",
        "{\"object\" : {\"children\" : [{\"object\" : {\"children\" : null, \"type\" : \"Block\"}}], "
        "\"sharedobject\" : [[\"A\", \"B\"]], \"type\" : \"Site\"}, \"version\" : 1}",
        "[[[]], [{}], [1, [2]], {\"a\" : [[1, 2], []]}]",
        "{\"k\\u0000ey\" : 1, \"\\u00e9\" : 2}",
    };
    for (const std::string& text : cases) {
        Json::Value value;
        ASSERT_TRUE(Json::Reader().parse(text, value)) << text;
        EXPECT_EQ(StyledJsonText(value), Json::StyledWriter().write(value)) << text;
    }
}
