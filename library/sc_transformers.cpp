#include "library/library.h"

void AddTransformers(std::vector<SymbolDef>& out) { (void)out; }
