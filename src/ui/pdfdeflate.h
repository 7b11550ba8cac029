// Qt's PDF writer deflates its page streams at zlib's default level and has
// no switch for it. Plotted line art (short repeats of digits, hundreds of
// thousands of them) is the worst case of that level's match search: it took
// two thirds of a printed page's time. Level 1 deflates the same page five
// times faster into a file about 17 % larger (0.6 MB for 3000 objects).
//
// The binding defines zlib's deflateInit_ itself (the entry the PDF writer
// calls) and takes level 1 for a default-level stream while a FastPdfDeflate
// is alive on the thread; everywhere else zlib's own default stands.
#pragma once

class FastPdfDeflate {
public:
    FastPdfDeflate();
    ~FastPdfDeflate();
    FastPdfDeflate(const FastPdfDeflate&) = delete;
    FastPdfDeflate& operator=(const FastPdfDeflate&) = delete;
};
