// The shipped libraries: every symbol by its file name (prefix + category
// code + name) with the function that draws it, and the example drawings.
// Each library file adds its symbols with its own Add function; AllSymbols
// gathers them. Used by tools/make_library and the library tests.
#pragma once
#include <string>
#include <vector>

#include "library/symbol.h"

struct SymbolDef {
    std::string name;          // file name without ".dwg", e.g. "ScG-Resistor"
    void (*draw)(Sym&);        // draws the symbol at its insertion point (0, 0)
};

struct ExampleDef {
    std::string name;          // file name without ".dwg"
    std::string prefix;        // the shape prefix the drawing is made with
    void (*draw)(Sym&);
};

std::vector<SymbolDef> AllSymbols();
std::vector<ExampleDef> AllExamples();

// One Add function per library file.
void AddTubes(std::vector<SymbolDef>& out);        // ScV-
void AddActive(std::vector<SymbolDef>& out);       // ScA-
void AddDiodes(std::vector<SymbolDef>& out);       // ScD-
void AddPassive(std::vector<SymbolDef>& out);      // ScG-
void AddLogic(std::vector<SymbolDef>& out);        // ScL-
void AddMath(std::vector<SymbolDef>& out);         // ScM-, ScB-, ScW-
void AddSources(std::vector<SymbolDef>& out);      // ScR-
void AddSwitches(std::vector<SymbolDef>& out);     // ScS-
void AddTransducers(std::vector<SymbolDef>& out);  // ScT-
void AddTransformers(std::vector<SymbolDef>& out); // ScUC, ScUP
void AddPrinted(std::vector<SymbolDef>& out);      // PC
void AddProto(std::vector<SymbolDef>& out);        // PR
void AddChassis(std::vector<SymbolDef>& out);      // CL
void AddBench(std::vector<SymbolDef>& out);        // TI, H-
