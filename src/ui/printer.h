// The printer of the Qt binding: the system's default printer through
// QPrinter, or, when the machine has none (or ZARNIC_PRINT_TO_PDF is set),
// a PDF file written safely through QPdfWriter. The painter works in twips
// of the printable area; points and lines are gathered by colour and drawn
// in batches by colour, and a run of points close enough for their dots to
// overlap is drawn as the one stroke it makes on paper (leaving out points
// it passes within half a twip of). Used by QtPlatform and the
// output benchmark.
#pragma once
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QVector>
#include <memory>
#include <string>

#include "platform/platform.h"

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;

class QtPrinter {
public:
    QtPrinter();
    ~QtPrinter();
    bool Begin(const PrintJob& job, PrintArea& area, std::string& error);
    void Line(double x1, double y1, double x2, double y2, uint32_t rgb);
    void Point(double x, double y, uint32_t rgb);
    void Font(const std::string& name, double points);
    void TextLine(const std::string& text);
    void NewPage();
    // Clips lines and points to a rectangle of the page (twips); w 0 lifts it.
    void Clip(double x, double y, double w, double h);
    // Black text in a plain sans-serif font, its top left at (x, y) twips.
    void TextAt(double x, double y, double points, const std::string& text);
    PrintOutcome End();
    // Ends the job with nothing sent: the printer's job is dropped, the PDF never written.
    void Abort();

private:
    void Use(uint32_t rgb);
    void Flush();
    bool StartPainter(QPagedPaintDevice* device, const PrintJob& job, PrintArea& area);

    std::unique_ptr<QPrinter> printer_;   // the system printer's job
    std::unique_ptr<QSaveFile> file_;     // the PDF file, renamed into place at the end
    std::unique_ptr<QPdfWriter> pdf_;
    QPagedPaintDevice* device_ = nullptr; // whichever of the two is printing
    QPainter painter_;
    bool active_ = false;                 // a job is running
    std::string where_;                   // the printer's name or the PDF's path
    double penTwips_ = 14.4;              // pen width (twips)
    double pageHeight_ = 0;               // printable height (twips)
    double textY_ = 0;                    // top of the next text line (twips)
    QFont font_;                          // font of the text lines
    bool batching_ = false;               // lines or points are gathered
    uint32_t batchRgb_ = 0;               // in this colour
    QVector<QPolygonF> runs_;             // runs of overlapping points
    QVector<QPointF> dropped_;            // points of the last run left out since its last corner
    QVector<QPolygonF> lines_;            // connected segments as polylines
};
