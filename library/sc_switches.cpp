#include "library/library.h"

void AddSwitches(std::vector<SymbolDef>& out) { (void)out; }
