// The command starters: one table row per command armed from a menu entry or
// a key, with its name, input-box width, default answer and prompt. A
// starter resets the registers, asks its question and names the command;
// the rows' flags say which do that whatever runs. Called by the menu table,
// the key catcher and the middle button, on this floor.
#pragma once
#include <string>

struct App;

enum StarterFlags : unsigned {
    kStartPlain = 0,
    kStartNoReset = 1,     // skips the command reset
    kStartAlways = 2,      // runs whatever command runs
    kStartLater = 4,       // the command comes with a later part of the program: does nothing yet
};

struct StarterRow {
    const char* command;             // CurCommand it sets, also the menu entry's id
    int boxWidth;                    // input-box width (twips), 0 for none
    std::string (*defaultText)(App&);  // the box's default answer; nullptr for ""
    const char* prompt;              // the prompt line's text
    unsigned flags;                  // StarterFlags
    void (*prepare)(App&);           // what the starter also does before its question; nullptr for nothing
};

// The row of a command; nullptr when the table has none.
const StarterRow* FindStarter(const std::string& command);
// True when the command's starter exists and works now.
bool StarterReady(const std::string& command);
// Runs a command's starter as its row says; unknown and later commands do nothing.
void RunStarter(App& app, const std::string& command);
