#pragma once
// Sound effects: one recipe block of content/sounds/effects.txt becomes Sounds/<Name>.ogg.
#include "OggCodec.h"
#include "SoundRecipe.h"

#include <string>

// Mono, 44.1 kHz, faded at both ends, without DC, at the recipe's peak (default -3 dBFS).
TAudio RenderEffect(const TRecipe& recipe);

// Renders and encodes every block; prints one line per sound.
void BuildEffects(const TRecipeFile& recipes, const std::string& soundFolder, int threads);
