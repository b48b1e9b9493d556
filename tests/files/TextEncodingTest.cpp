// Latin-1 texts and names on their way to the system as UTF-8.
#include "files/TextEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, Latin1BecomesUtf8ByteForByte) {
    EXPECT_EQ(Latin1ToUtf8("TOVAN 7"), "TOVAN 7");
    EXPECT_EQ(Latin1ToUtf8("\xC4\xD6\xDC\xDF"), "\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F"); // ÄÖÜß
    EXPECT_EQ(Latin1ToUtf8("\x80\xFF"), "\xC2\x80\xC3\xBF");
    EXPECT_EQ(Latin1ToUtf8(std::string_view("A\0B", 3)), std::string("A\0B", 3));
    EXPECT_EQ(Latin1ToUtf8(""), "");
}
