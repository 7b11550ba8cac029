// Typed answers: the answer in the input box, read once (a number, or a
// pair split at the first comma), as every command's answer handler takes
// it. The box's commit and the dispatch by command are tables/answers.h.
#pragma once
#include <string>

struct App;

// One committed answer.
struct TypedAnswer {
    std::string text;          // the box's text as typed
    bool pair = false;         // a comma stands before the last character
    double x = 0, y = 0;       // the pair's numbers (0 without a pair)
};

// Reads an answer by the comma rule; TypedValue is the caller's to set.
TypedAnswer ParseAnswer(const std::string& text);
// An answer in capitals, for the letters the commands take in any case
// (ASCII letters only: names and texts keep their own characters).
std::string UpperText(std::string text);
// Clears the box and gives it the focus again: the answer is not taken.
void RejectAnswer(App& app);
