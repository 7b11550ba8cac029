// The DXF export of the Qt binding: an ExportSink that gathers the drawing's
// entities and writes them through dxflib as one AutoCAD 2000 file (inches,
// one layer per colour number, a dashed line type for hidden lines).
// QtPlatform::ExportOpen calls it for ExportFormat::Dxf; the ui tests too.
#pragma once
#include <memory>
#include <string>

#include "platform/platform.h"

// Records the job; the file is written, safely, by the sink's Finish.
std::unique_ptr<ExportSink> OpenDxfExport(const ExportJob& job, std::string& error);
