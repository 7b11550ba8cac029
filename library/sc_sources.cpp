#include "library/library.h"

void AddSources(std::vector<SymbolDef>& out) { (void)out; }
