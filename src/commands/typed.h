// Typed input: the answer in the input box is committed when the box loses
// the focus. Text2_LostFocus reads it once (a number, or a pair split at the
// first comma) and hands it to the running command through the answer
// table. Called by the Qt input box and by clicks on other controls.
#pragma once
#include <string>

struct App;

// One committed answer.
struct TypedAnswer {
    std::string text;          // the box's text as typed
    bool pair = false;         // a comma stands before the last character
    double x = 0, y = 0;       // the pair's numbers (0 without a pair)
};

// The box lost the focus: parse and dispatch.
void Text2_LostFocus(App& app);
// Reads an answer by the comma rule; TypedValue is the caller's to set.
TypedAnswer ParseAnswer(const std::string& text);
// An answer in capitals, for the letters the commands take in any case
// (ASCII letters only: names and texts keep their own characters).
std::string UpperText(std::string text);
// Clears the box and gives it the focus again: the answer is not taken.
void RejectAnswer(App& app);
// A click on another control takes the focus from the input box: a shown
// box commits its answer first, then the control's click runs.
void CommitThenClick(App& app, void (*click)(App&, int), int row);
