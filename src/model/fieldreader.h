// Reading a data file's text the way its writer laid it out: fields end at a
// comma or at the end of a line (leading blanks skipped), or whole lines are
// taken. Used by the shape reader, the font compiler and the font loader,
// which read as far as a file goes and never past its end.
#pragma once
#include <string>
#include <string_view>

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    // The next field; false at the end of the text.
    bool Field(std::string_view& out);
    // The rest of the current line (from the reading position); false at the end.
    bool WholeLine(std::string_view& out);
    // A field that must be a number (an empty field is 0); false at the end
    // or when the field is not a number.
    bool Number(double& out);
    // A field taken for its leading number (0 when it has none); false only at the end.
    bool LooseNumber(double& out);
    // Passes n fields or n lines; false when the text ends first.
    bool SkipFields(long n);
    bool SkipLines(long n);

private:
    std::string_view text_;
    size_t pos_ = 0;
};
