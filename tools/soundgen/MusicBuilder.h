#pragma once
// Music: renders a composed score with the instruments of content/sounds/instruments.txt into
// stereo, adds a room, and writes Music/<Name>.ogg. A looping track is rendered around a circle:
// whatever rings past its end sounds again at its start, so the loop has no seam.
#include "MusicComposer.h"
#include "OggCodec.h"
#include "SoundRecipe.h"

#include <string>

TAudio RenderTrack(const TRecipe& track, const TScore& score, const TRecipeFile& instruments);

void BuildMusic(const TRecipeFile& tracks, const TRecipeFile& instruments,
                const std::string& musicFolder, int threads);
