#include "Catalog.h"
void AddSceneArt(TCatalog&) {}
