// The Edit menu's commands on picked objects: Move, Copy, Rotate, Scale,
// Flip, Mirror, Delete, Lock and Color Change (their clicks and typed
// answers), and Unlock All. Handlers only: their starters, click rows,
// answer rows and undo reversals are in tables/.
#pragma once

struct App;
struct TypedAnswer;

void Move_Click(App& app, int button, int shift, float x, float y);
void Copy_Click(App& app, int button, int shift, float x, float y);
void Rotate_Click(App& app, int button, int shift, float x, float y);
void Scale_Click(App& app, int button, int shift, float x, float y);
void Flip_Click(App& app, int button, int shift, float x, float y);
void Mirror_Click(App& app, int button, int shift, float x, float y);
void Delete_Click(App& app, int button, int shift, float x, float y);
void Lock_Click(App& app, int button, int shift, float x, float y);
void Color_Click(App& app, int button, int shift, float x, float y);

void Rotate_Answer(App& app, const TypedAnswer& a);
void Scale_Answer(App& app, const TypedAnswer& a);
void Flip_Answer(App& app, const TypedAnswer& a);
void Mirror_Answer(App& app, const TypedAnswer& a);
void Delete_Answer(App& app, const TypedAnswer& a);
void Lock_Answer(App& app, const TypedAnswer& a);
void Color_Answer(App& app, const TypedAnswer& a);

// Edit > Unlock All: every locked object unlocked at once (idle only),
// undoable.
void Unlock_Click(App& app);
