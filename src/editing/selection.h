// The selection list: the slots picked for the running editing command, the
// selection window that picks every object wholly inside it, and the prompt
// each command shows once something is picked. The list is cleared by the
// command reset (commands/registers.h); the window's clicks are a row of the
// click routing (tables/clicks.cpp).
#pragma once
#include <array>
#include <cstdint>

struct App;

struct Selection {
    std::array<int16_t, 3002> SelList{};  // picked slot numbers, entries 0..SelCount-1 (0 = removed again)
    int16_t SelCount = 0;                 // entries in SelList
    int16_t SelTally = 0;                 // picks counted by the running command
    bool SelActive = false;               // a pick is in progress
};

// The pointer pick at a click (twips): the left button with Ctrl takes back
// the first listed object hit, without Ctrl (or with Shift) adds the
// lowest-numbered unlisted unlocked object hit. The click is snapped into
// Pt1; the status line shows the tally.
void PickObject(App& app, float x, float y, int button, int shift);
// The pick of Color, Change, Delete, Lock and What: picks while nothing is
// picked or with Shift or Ctrl held, takes a plain click after a pick as a
// point, and asks the command's next question once something is picked.
void PickAndContinue(App& app, float x, float y, int button, int shift);
// True when the drawing point (MX, MY) lies in the slot's box widened by
// half the snap steps (the pick test of a Shape or a Text).
bool PointInBox(const App& app, int slot, double mx, double my);
// Edit > Select All and Edit > Select Window (not while idle or during Edit).
void Select_All_Click(App& app);
void SelectW_Click(App& app);

// Adds every unlocked object not yet listed that lies wholly inside the
// window with corners Pt1 and Pt2 (edges included), drawn in SelectColor.
void SelectByWindow(App& app);
// The running command's next prompt once the selection is complete; a call
// while the window is still being taken (WindowSelect "SelectW") gives the
// window form of the prompt.
void PromptAfterSelection(App& app);
// The selection window's clicks while WindowSelect is "SelectW": the left
// button takes the first corner, the right button closes the window,
// selects and asks the command's next question.
void WindowSelect_Click(App& app, int button, int shift, float x, float y);
