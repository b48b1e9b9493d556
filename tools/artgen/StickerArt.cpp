#include "Catalog.h"
void AddStickerArt(TCatalog&) {}
