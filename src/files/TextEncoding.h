#pragma once
// The game's texts and player names are Latin-1 bytes; the system (window title, message boxes,
// file names, typed text) speaks UTF-8.
#include <string>
#include <string_view>

std::string Latin1ToUtf8(std::string_view latin1);
// The Latin-1 of UTF-8 text; characters beyond Latin-1 and broken sequences are left out, and
// lossless tells whether anything was.
std::string Utf8ToLatin1(std::string_view utf8, bool& lossless);
