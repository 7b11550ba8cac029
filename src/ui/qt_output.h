// Any platform with its output going through the Qt binding: the printer
// calls to a QtPrinter, exports to the PDF and SVG sinks or the DXF sink.
// The program's platform is one; so are the Qt tests' and the output
// benchmark's, which add it to their own window-less platforms.
#pragma once
#include <memory>
#include <string>

#include "platform/platform.h"
#include "ui/dxfexport.h"
#include "ui/printer.h"
#include "ui/vectorexport.h"

template <class Base>
class WithQtOutput : public Base {
public:
    bool PrinterBegin(const PrintJob& job, PrintArea& area, std::string& error) override {
        return printer.Begin(job, area, error);
    }
    void PrinterLine(double x1, double y1, double x2, double y2, uint32_t rgb) override {
        printer.Line(x1, y1, x2, y2, rgb);
    }
    void PrinterPoint(double x, double y, uint32_t rgb) override { printer.Point(x, y, rgb); }
    void PrinterFont(const std::string& name, double points) override { printer.Font(name, points); }
    void PrinterTextLine(const std::string& text) override { printer.TextLine(text); }
    void PrinterNewPage() override { printer.NewPage(); }
    void PrinterClip(double x, double y, double w, double h) override { printer.Clip(x, y, w, h); }
    void PrinterTextAt(double x, double y, double points, const std::string& text) override {
        printer.TextAt(x, y, points, text);
    }
    PrintOutcome PrinterEnd() override { return printer.End(); }
    void PrinterAbort() override { printer.Abort(); }
    std::unique_ptr<ExportSink> ExportOpen(const ExportJob& job, std::string& error) override {
        if (job.format == ExportFormat::Dxf) return OpenDxfExport(job, error);
        return OpenVectorExport(job, error);
    }

    QtPrinter printer;  // the print job under way
};
