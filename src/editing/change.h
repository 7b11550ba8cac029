// Change (Edit > Edit) and What is it: one picked object, the last of the
// selection. Change edits it by its kind (a dial in the designer, a text or
// shape name retyped, a line's type toggled); What is it lists its data in
// the help list box. Handlers only: their rows are in tables/.
#pragma once
#include <string>
#include <vector>

struct App;
struct TypedAnswer;

void Change_Click(App& app, int button, int shift, float x, float y);
void Change_Answer(App& app, const TypedAnswer& a);
void What_Click(App& app, int button, int shift, float x, float y);
void What_Answer(App& app, const TypedAnswer& a);
// The report lines of What is it for a slot.
std::vector<std::string> WhatReport(const App& app, int slot);
// The retyped text or shape name of Change (the Text command's step "E"):
// the old string goes to the text-undo file first.
void ChangeText_Answer(App& app, const TypedAnswer& a);
// Registers the report with the command reset (start-up).
void InstallWhatOverlay(App& app);
