// The polar array: the picked objects copied round a centre, each copy
// turned one step further, driven from the prompt line (centre click,
// count, total angle). Its click, answer and undo rows are in tables/.
#pragma once
#include <cstdint>

struct App;
struct TypedAnswer;

struct Arrays {
    int16_t ArrayCount = 2;   // objects in a polar array, the picked ones included
    double ArrayAngle = 180;  // total angle of a polar array (degrees)
    int ArrayMade = 0;        // objects the last array appended (what Undo takes away)
};

void ArrayPol_Click(App& app, int button, int shift, float x, float y);
void ArrayPol_Answer(App& app, const TypedAnswer& a);
// Undo: the objects the last array appended go.
void Undo_Array(App& app);
