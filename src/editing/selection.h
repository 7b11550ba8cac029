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
