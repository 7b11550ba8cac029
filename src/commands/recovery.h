// Recovery copies: while a drawing has unsaved changes, a copy of it goes
// every minute of changed time (never during a command's clicks) into the
// "Recovery" folder of the data folder, with a companion file naming the
// drawing's own folder and name and the time. A save, or the user's own
// discarding of the changes, deletes it; a copy found at start-up means the
// last run did not end properly, and is offered back. Each copy has a lock
// file its program holds while it runs: another running copy of the program
// is never offered this one's copies, and a new copy never takes the name of
// one still waiting to be offered. Called by the Qt binding's timer,
// start-up and the file commands.
#pragma once
#include <string>

#include "model/filelock.h"

struct App;

inline constexpr const char* kRecoveryFolderName = "Recovery";

struct Recovery {
    double IntervalSeconds = 60;    // changed time between copies (seconds)
    double ChangedSeconds = 0;      // changed time since the last copy (seconds)
    double LastTick = -1;           // the clock at the last tick (seconds), -1 before the first
    std::string CopyName;           // the current drawing's copy in the folder, "" when it has none
    FileLock Lock;                  // "<copy>.lock", held while the copy is this run's
    bool FolderFailed = false;      // the folder could not be written: said once this run
};

// The folder of the copies: data folder + "Recovery" + separator.
std::string RecoveryFolder(const App& app);
// One tick of the timer: `now` a steady clock in seconds, `wallTime` the
// date and time to record ("2026-12-08 16:55:03"). Writes a copy once the
// drawing has been changed for the interval and no command runs.
void RecoveryTick(App& app, double now, const std::string& wallTime);
// Writes the copy now (the bytes Save would write); false when it could
// not be written (said once per run).
bool WriteRecoveryCopy(App& app, const std::string& wallTime);
// Deletes the current drawing's copy (its changes were saved or discarded).
void DeleteRecoveryCopy(App& app);
// At start-up: each copy found, newest first, offered back. True when one
// was restored as the current drawing.
bool OfferRecoveryCopies(App& app);
