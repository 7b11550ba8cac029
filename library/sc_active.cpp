#include "library/library.h"

void AddActive(std::vector<SymbolDef>& out) { (void)out; }
