// The Dimension command: two measured points, the text location, whether
// the text is centred, the decimal places and the text; then the dimension
// is built from ordinary Lines and one Text. Its click and answer handlers
// are rows of the routing tables.
#pragma once
#include <string>

#include "commands/registers.h"

struct TypedAnswer;

struct DimensionState {
    Point2 A, B;                 // the measured points (drawing units)
    Point2 T;                    // the text location (drawing units)
    double Length = 0;           // |AB| (drawing units)
    int Places = 2;              // decimal places of the default text
    bool Centred = false;        // the text is centred between the points
    bool TextPlaced = false;     // the text location has been clicked
};

void Dimension_Start(App& app);
void Dimension_Click(App& app, int button, int shift, float x, float y);
void Dimension_Answer(App& app, const TypedAnswer& a);
// Builds the dimension of A, B with the text at T (text height TextHeight):
// the pieces go to the next slots. False, after the message, when the text
// does not fit between the points or the table has no room; then nothing
// is built.
bool BuildDimension(App& app, const std::string& text);
