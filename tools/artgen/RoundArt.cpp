#include "Catalog.h"
void AddRoundArt(TCatalog&) {}
