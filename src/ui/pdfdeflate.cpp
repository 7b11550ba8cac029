#include "ui/pdfdeflate.h"

#include <zlib.h>

namespace {

constexpr int kFastLevel = 1;
thread_local int fastScopes = 0;

}  // namespace

FastPdfDeflate::FastPdfDeflate() { ++fastScopes; }
FastPdfDeflate::~FastPdfDeflate() { --fastScopes; }

// zlib's own deflateInit_ is deflateInit2_ with these same window, memory and
// strategy settings; only a default level is changed, and only in a scope.
extern "C" int deflateInit_(z_streamp strm, int level, const char* version, int stream_size) {
    if (level == Z_DEFAULT_COMPRESSION && fastScopes > 0) level = kFastLevel;
    return deflateInit2_(strm, level, Z_DEFLATED, MAX_WBITS, 8, Z_DEFAULT_STRATEGY, version, stream_size);
}
