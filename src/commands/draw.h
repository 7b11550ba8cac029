// The drawing commands: Line, the three Arcs, Circle, Text, Shape placement
// and Insert. Each fills the next free slot (ObjNext) step by step from the
// clicks and answers routed to it, and only the completion moves ObjNext on.
// Their click and answer handlers are rows of the routing tables in
// pointer.cpp and typed.cpp; the Dimension command is in dimension.h.
#pragma once

struct App;
struct TypedAnswer;

struct DrawState {
    int VertCount = 0;               // vertices of the Line being drawn, 0 when none
    bool TextEntryPending = false;   // the Text command waits for the text itself
    bool ShapePreviewOn = false;     // a shape preview stands on the screen, drawn from the slot's own values
};

// Completion of a drawing command: the drawing changed, the command ends
// with a redraw and the middle button will repeat it.
void CompleteCommand(App& app, const char* repeatName);

// Starters' extra steps.
void Line_Start(App& app);
void Text_Start(App& app);

// Clicks (button 1 left, 2 right; shift mask; twips).
void Line_Click(App& app, int button, int shift, float x, float y);
void Arc_Click(App& app, int button, int shift, float x, float y);
void Arc2_Click(App& app, int button, int shift, float x, float y);
void Arc3_Click(App& app, int button, int shift, float x, float y);
void Circle_Click(App& app, int button, int shift, float x, float y);
void Text_Click(App& app, int button, int shift, float x, float y);
void Shape_PlaceClick(App& app, int button, int shift, float x, float y);
void Insert_Click(App& app, int button, int shift, float x, float y);

// Typed answers.
void Line_Answer(App& app, const TypedAnswer& a);
void Arc_Answer(App& app, const TypedAnswer& a);
void Circle_Answer(App& app, const TypedAnswer& a);
void Text_Answer(App& app, const TypedAnswer& a);
void Shape_Answer(App& app, const TypedAnswer& a);
void Insert_Answer(App& app, const TypedAnswer& a);
