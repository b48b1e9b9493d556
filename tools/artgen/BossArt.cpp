#include "Catalog.h"
void AddBossArt(TCatalog&) {}
