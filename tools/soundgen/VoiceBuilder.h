#pragma once
// Voices: every tutorial step and chat line spoken by espeak-ng, one voice per character as
// content/sounds/voices.txt sets them, fitted to the clip lengths the chapter dialog waits for,
// and written as Ogg under Voices/.
#include "OggCodec.h"
#include "SoundRecipe.h"
#include "VoiceLines.h"

#include <string>

// Runs the synthesiser (no shell involved) and returns its speech, trimmed, at 44.1 kHz.
// Throws std::runtime_error when the program cannot run or returns no sound.
TAudio Speak(const std::string& espeak, const std::string& utf8Text, const std::string& voice,
             int pitch, int wordsPerMinute);

// Longest clip allowed for a line: the dialog's table length for listed chat lines, the
// default for the others; 0 for tutorial steps (no limit).
double ClipLimit(const TRecipeFile& settings, const TVoiceLine& line, bool& exact);

void BuildVoices(const std::string& espeak, const TRecipeFile& settings,
                 const std::string& textFolder, const std::string& voiceFolder, int threads);
