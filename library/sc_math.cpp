#include "library/library.h"

void AddMath(std::vector<SymbolDef>& out) { (void)out; }
