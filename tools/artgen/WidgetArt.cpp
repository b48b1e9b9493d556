#include "Catalog.h"
void AddWidgetArt(TCatalog&) {}
