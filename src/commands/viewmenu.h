// The View menu's commands and the Settings answers that change drawing-wide
// values (grid, snap, limits, hidden-line pattern, plot scale, text height),
// and the trace picture. Handlers only: the menu, click and answer rows that
// name them are in tables/. ApplySnapMode is also called by start-up,
// OpenFile and the defaults.
#pragma once

struct App;
struct TypedAnswer;

// The snap menu caption, snap word and readout decimals from SnapMode and the steps.
void ApplySnapMode(App& app);

void ZoomIn_Click(App& app);
void ZoomOut_Click(App& app);
void ResetZP_Click(App& app);
void GridOnOff_Click(App& app);
void SnapOnOff_Click(App& app);
// The mouse wheel: `steps` Zoom In (positive) or Zoom Out (negative) steps,
// keeping the drawing point under (sx, sy) twips in place; only while idle.
void WheelZoom(App& app, int steps, double sx, double sy);
// Pan's clicks: the first point, then the second point that ends the command.
void PanLeftClick(App& app, float sx, float sy);
void PanRightClick(App& app, float sx, float sy);
// Pan's row of the click routing: left for the first point, right for the second.
void Pan_Click(App& app, int button, int shift, float x, float y);
// Draw > Remove Traced Picture.
void RmvTrcedPix_Click(App& app);

// The typed answers of Grid Spacing, Snap Width, Limits (lower-left, then
// upper-right corner, or A for automatic), Hidden Line Settings, Plot
// Scale, Text Height and Trace Picture.
void Grid_Answer(App& app, const TypedAnswer& a);
void Snap_Answer(App& app, const TypedAnswer& a);
void Limits_Answer(App& app, const TypedAnswer& a);
void Hidden_Answer(App& app, const TypedAnswer& a);
void PlotSc_Answer(App& app, const TypedAnswer& a);
void TextH_Answer(App& app, const TypedAnswer& a);
void TracePix_Answer(App& app, const TypedAnswer& a);
