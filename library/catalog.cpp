// Every shipped library, in the order of the shape list's categories.
#include "library/library.h"

std::vector<SymbolDef> AllSymbols() {
    std::vector<SymbolDef> out;
    AddActive(out);
    AddMath(out);
    AddDiodes(out);
    AddPassive(out);
    AddLogic(out);
    AddSources(out);
    AddSwitches(out);
    AddTransducers(out);
    AddTransformers(out);
    AddTubes(out);
    AddPrinted(out);
    AddProto(out);
    AddChassis(out);
    AddBench(out);
    return out;
}
