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

#include "platform/platform.h"

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

inline constexpr const char* kAnimationFileName = "Zarnic_Animation.dat";
inline constexpr const char* kRestoreName = "RestoreAngle";

// The animated rotation's panel.
struct AnimPanel {
    bool Visible = false;                 // the panel is shown
    std::array<std::string, 4> Text2{};   // angle step (degrees), time/step (seconds), centre "X,Y", stop angle (degrees)
    bool Check3 = false;                  // "Override Center Point Mouse Click."
    std::string Focus;                    // control to focus on the next sync ("Text2:0")
};

struct Arrays {
    int16_t ArrayCount = 2;   // objects in a polar array, the picked ones included
    double ArrayAngle = 180;  // total angle of a polar array (degrees)
    int ArrayRows = 2, ArrayCols = 3;            // rows and columns of a rectangular array
    double ArraySpacingX = 2, ArraySpacingY = 2; // distance between neighbouring cells (drawing units)
    int ArrayMade = 0;        // objects the last array appended (what Undo takes away)
    RectArrayPanel Rect;      // the rectangular array's panel
    int AnimInterval = 0;     // timer interval (milliseconds); the step is RotateAngle
    double AnimStopAngle = 0; // total angle at which the animation stops (radians)
    double AnimTotal = 0;     // angle turned so far (radians)
    bool AnimRunning = false; // the timer is running
    std::string AnimCenterText;      // the clicked centre as "x,y"
    std::string AnimCenterOverride;  // the centre typed in the panel
    AnimPanel Anim;           // the animation's panel
    ControlBox Restore;       // the "Restore" button over the drawing area
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
// Registers the panels, the timer and the Restore button with the command
// reset (start-up).
void InstallRectArrayOverlay(App& app);

// The animated rotation: its clicks, the panel's "OK" and "Cancel", one
// timer tick, and "Restore".
void AnimR_Click(App& app, int button, int shift, float x, float y);
void AnimOK_Click(App& app);
void AnimCancel_Click(App& app);
void Timer1_Timer(App& app);
void RestoreAngle_Click(App& app);
void InstallAnimOverlays(App& app);

void ArrayPol_Click(App& app, int button, int shift, float x, float y);
void ArrayPol_Answer(App& app, const TypedAnswer& a);
// Undo: the objects the last array appended go.
void Undo_Array(App& app);
