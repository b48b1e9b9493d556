#pragma once
// The text tables and the player's names are Latin-1 bytes; the system (window title, message
// boxes, file names) wants UTF-8.
#include <string>
#include <string_view>

std::string Latin1ToUtf8(std::string_view latin1);
