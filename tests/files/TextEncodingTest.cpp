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

TEST(TextEncoding, Utf8BecomesLatin1AndSaysWhatItLeftOut) {
    bool lossless = false;
    EXPECT_EQ(Utf8ToLatin1("\xC3\x84pfel \xC3\x9F", lossless), "\xC4pfel \xDF");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(Utf8ToLatin1("G\xC3\xA9\xE2\x82\xAC!", lossless), "G\xE9!") << "the euro sign";
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x90\x9F", lossless), "") << "an emoji";
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Utf8ToLatin1("A\xC3", lossless), "A") << "cut short";
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Utf8ToLatin1("\xC4\x80", lossless), "") << "the first character past Latin-1";
    EXPECT_FALSE(lossless);
    const std::string every = [] {
        std::string all;
        for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
        return all;
    }();
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(every), lossless), every);
    EXPECT_TRUE(lossless);
}
