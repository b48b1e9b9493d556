#pragma once
// Writes a short mono sine tone as an Ogg Vorbis file, so the tests have real files to decode.
#include <string>

bool WriteOggTone(const std::string& path, double seconds, double frequency);
