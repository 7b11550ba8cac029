// The selection list: the slots picked for the running editing command.
// Cleared by the command reset (commands/registers.h).
#pragma once
#include <array>
#include <cstdint>

struct App;

struct Selection {
    std::array<int16_t, 3002> SelList{};  // picked slot numbers, entries 0..SelCount-1
    int16_t SelCount = 0;                 // entries in SelList
    int16_t SelTally = 0;                 // picks counted by the running command
    bool SelActive = false;               // a pick is in progress
    // The selection window's closing click hands the window to these; the
    // picking commands install them (nullptr until then).
    void (*SelectByWindow)(App&) = nullptr;
    void (*PromptAfterSelection)(App&) = nullptr;
};
