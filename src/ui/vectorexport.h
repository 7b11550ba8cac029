// PDF and SVG pages at true size: the export device's polylines (inches
// from the page's top left corner) drawn by QPdfWriter or QSvgGenerator in
// units of 1/10000 in, black strokes 0.01 in wide with flat ends. The file
// is written whole at the end, through a temporary file. Used by QtPlatform.
#pragma once
#include <memory>
#include <string>

#include "platform/platform.h"

std::unique_ptr<ExportSink> OpenVectorExport(const ExportJob& job, std::string& error);
