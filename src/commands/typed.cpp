// Typed answers as every command reads them: one reading by the comma rule
// and the leading-number rule (blanks ignored, no locale), the capitals of
// the letter answers, and the refusal that asks again. The dispatch of an
// answer to its command is the answer table of tables/answers.cpp.
#include "commands/typed.h"

#include <string_view>

#include "app.h"
#include "model/numbers.h"

TypedAnswer ParseAnswer(const std::string& text) {
    TypedAnswer a;
    a.text = text;
    size_t comma = text.find(',');
    if (comma != std::string::npos && comma + 1 < text.size()) {
        a.pair = true;
        a.x = LeadingNumber(std::string_view(text).substr(0, comma));
        a.y = LeadingNumber(std::string_view(text).substr(comma + 1));
    }
    return a;
}

std::string UpperText(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

void RejectAnswer(App& app) {
    app.ui.InputBoxSetText("");
    app.ui.FocusInputBox();
}
