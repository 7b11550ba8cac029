// The arrays: the polar array, the picked objects copied round a centre,
// each copy turned one step further, driven from the prompt line (centre
// click, count, total angle); and the rectangular array, copies in rows and
// columns, whose parameters come from its panel ("Rectangular Array
// Parameters", remembered in "Zarnic_ArrayRec_Data.dat") or from two
// clicks. Their click, answer and undo rows are in tables/.
#pragma once
#include <array>
#include <cstdint>
#include <string>

struct App;
struct TypedAnswer;

inline constexpr const char* kArrayRecFileName = "Zarnic_ArrayRec_Data.dat";

// The rectangular array's panel.
struct RectArrayPanel {
    bool Visible = false;                 // the panel is shown
    std::array<std::string, 3> Text1{};   // "Number of Rows", "Number of Columns", the X,Y spacing
    bool CellSpacing = true;              // "Cell Spacing" chosen, else "Total Array"
    bool UseMouse = false;                // "Enter Dimensions Using Mouse"
    std::string Focus;                    // control to focus on the next sync ("Text1:0")
};

struct Arrays {
    int16_t ArrayCount = 2;   // objects in a polar array, the picked ones included
    double ArrayAngle = 180;  // total angle of a polar array (degrees)
    int ArrayRows = 2, ArrayCols = 3;            // rows and columns of a rectangular array
    double ArraySpacingX = 2, ArraySpacingY = 2; // distance between neighbouring cells (drawing units)
    int ArrayMade = 0;        // objects the last array appended (what Undo takes away)
    RectArrayPanel Rect;      // the rectangular array's panel
};

// The rectangular array: the picked objects are cell (0, 0); copies follow
// column by column. Stops at a full table with what was made.
void RectArray(App& app, int rows, int cols, double sx, double sy);
void ArrayRec_Click(App& app, int button, int shift, float x, float y);
void ArrayRec_Answer(App& app, const TypedAnswer& a);
// The panel's "OK" and "Cancel".
void RectArrayOK_Click(App& app);
void RectArrayCancel_Click(App& app);
// The starter's step: the mouse box is cleared.
void ArrayRec_Start(App& app);
// Registers the panel with the command reset (start-up).
void InstallRectArrayOverlay(App& app);

void ArrayPol_Click(App& app, int button, int shift, float x, float y);
void ArrayPol_Answer(App& app, const TypedAnswer& a);
// Undo: the objects the last array appended go.
void Undo_Array(App& app);
