#include "Catalog.h"
void AddPortraitArt(TCatalog&) {}
