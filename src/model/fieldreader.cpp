// Fields and whole lines of a data file's text. A field ends at a comma
// (the reader then stands after it, on the same line) or at the end of its
// line (CR LF or a bare LF).
#include "model/fieldreader.h"

#include "model/numbers.h"

bool FieldReader::Field(std::string_view& out) {
    if (AtEnd()) return false;
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    size_t b = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n') ++pos_;
    size_t e = pos_;
    if (pos_ < text_.size()) ++pos_;  // past the comma or the line feed
    if (e > b && text_[e - 1] == '\r' && (e == text_.size() || text_[e] == '\n')) --e;
    out = text_.substr(b, e - b);
    return true;
}

bool FieldReader::WholeLine(std::string_view& out) {
    if (AtEnd()) return false;
    size_t nl = text_.find('\n', pos_);
    size_t e = nl == std::string_view::npos ? text_.size() : nl;
    out = text_.substr(pos_, e - pos_);
    pos_ = nl == std::string_view::npos ? text_.size() : nl + 1;
    if (!out.empty() && out.back() == '\r') out.remove_suffix(1);
    return true;
}

bool FieldReader::Number(double& out) {
    std::string_view f;
    if (!Field(f)) return false;
    return ParseNumber(f, out);
}

bool FieldReader::LooseNumber(double& out) {
    std::string_view f;
    if (!Field(f)) return false;
    out = LeadingNumber(f);
    return true;
}

bool FieldReader::SkipFields(long n) {
    std::string_view f;
    for (long i = 0; i < n; ++i)
        if (!Field(f)) return false;
    return true;
}

bool FieldReader::SkipLines(long n) {
    std::string_view f;
    for (long i = 0; i < n; ++i)
        if (!WholeLine(f)) return false;
    return true;
}
