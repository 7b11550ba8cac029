#include "library/library.h"

void AddProto(std::vector<SymbolDef>& out) { (void)out; }
