// QPrinter or QPdfWriter behind the core's printer calls. Pen widths are the
// printer's pixels at 600 dpi, so the points of a printed curve (about 8.73
// twips apart) overlap into a continuous line with the default width 6
// (14.4 twips).
#include "ui/printer.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <cmath>
#include <cstdlib>

#include "platform/surface.h"
#include "ui/pdfdeflate.h"
#include "ui/qt_platform.h"

namespace {

constexpr double kPenPixelsPerInch = 600;   // the unit of pen widths
constexpr double kPdfMarginInches = 0.25;   // a PDF page keeps a printer's margins

// Whole twips (1/1440 in, far below any printer's dot): the PDF writer
// writes whole numbers in a few digits and fractions in nine.
QPointF Twips(double x, double y) { return QPointF(std::round(x), std::round(y)); }

// True when every point lies within half a twip of the line through a and b.
bool NearChord(const QPointF& a, const QPointF& b, const QVector<QPointF>& points) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len == 0) return false;
    for (const QPointF& q : points) {
        const QPointF v = q - a;
        if (std::fabs(d.x() * v.y() - d.y() * v.x()) > 0.5 * len) return false;
    }
    return true;
}

// The paper of the user's region.
QPageSize LocalPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
}

bool UsePdf() {
    if (std::getenv("ZARNIC_PRINT_TO_PDF")) return true;
    return QPrinterInfo::defaultPrinter().isNull();
}

}  // namespace

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() {
    if (active_) {
        painter_.end();
        if (file_) file_->cancelWriting();
    }
}

bool QtPrinter::StartPainter(QPagedPaintDevice* device, const PrintJob& job, PrintArea& area) {
    device_ = device;
    if (!painter_.begin(device)) return false;
    const double dpiX = device->logicalDpiX(), dpiY = device->logicalDpiY();
    painter_.scale(dpiX / kTwipsPerInch, dpiY / kTwipsPerInch);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    QRectF paint = device->pageLayout().paintRect(QPageLayout::Inch);
    area.left = 0;
    area.top = 0;
    area.width = paint.width() * kTwipsPerInch;
    area.height = paint.height() * kTwipsPerInch;
    pageHeight_ = area.height;
    penTwips_ = job.penWidth * kTwipsPerInch / kPenPixelsPerInch;
    textY_ = 0;
    font_ = QFont();
    batching_ = false;
    active_ = true;
    return true;
}

bool QtPrinter::Begin(const PrintJob& job, PrintArea& area, std::string& error) {
    if (active_) End();
    const QPageLayout::Orientation orientation =
        job.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!UsePdf()) {
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer_->setPageOrientation(orientation);
        printer_->setDocName("Zarnic");
        where_ = S(info.printerName());
        if (StartPainter(printer_.get(), job, area)) return true;
        printer_.reset();
        error = "the printer " + where_ + " could not be started";
        return false;
    }
    where_ = job.pdfPath;
    file_ = std::make_unique<QSaveFile>(Q(job.pdfPath));
    if (!file_->open(QIODevice::WriteOnly)) {
        error = job.pdfPath + ": " + S(file_->errorString());
        file_.reset();
        return false;
    }
    pdf_ = std::make_unique<QPdfWriter>(file_.get());
    pdf_->setCreator("Zarnic");
    pdf_->setTitle(QFileInfo(Q(job.pdfPath)).completeBaseName());
    pdf_->setResolution(1200);
    pdf_->setPageLayout(QPageLayout(LocalPaper(), orientation,
                                    QMarginsF(kPdfMarginInches, kPdfMarginInches, kPdfMarginInches, kPdfMarginInches),
                                    QPageLayout::Inch));
    if (StartPainter(pdf_.get(), job, area)) return true;
    pdf_.reset();
    file_->cancelWriting();
    file_.reset();
    error = job.pdfPath + ": the PDF file could not be started";
    return false;
}

void QtPrinter::Use(uint32_t rgb) {
    if (batching_ && batchRgb_ == rgb) return;
    Flush();
    batching_ = true;
    batchRgb_ = rgb;
}

void QtPrinter::Flush() {
    if (!batching_) return;
    const QColor color = ToQColor(batchRgb_);
    const QPen pen(color, penTwips_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
    // One path for the colour: the PDF strokes it once, not once a polyline.
    QPainterPath path;
    auto add = [&path](const QPolygonF& line) {
        path.moveTo(line.front());
        for (qsizetype k = 1; k < line.size(); ++k) path.lineTo(line[k]);
    };
    for (const QPolygonF& line : lines_) add(line);
    for (const QPolygonF& run : runs_)
        if (run.size() > 1) add(run);
    if (!path.isEmpty()) painter_.drawPath(path);
    for (const QPolygonF& run : runs_) {
        if (run.size() > 1) continue;
        if (penTwips_ > 0) {
            // A lone point is one round dot of the pen's width.
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(color);
            painter_.drawEllipse(run.front(), penTwips_ / 2, penTwips_ / 2);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(pen);
        } else {
            painter_.drawPoint(run.front());
        }
    }
    runs_.clear();
    lines_.clear();
    batching_ = false;
}

void QtPrinter::Line(double x1, double y1, double x2, double y2, uint32_t rgb) {
    if (!active_) return;
    Use(rgb);
    // A segment that goes on from the last one's end extends its polyline.
    const QPointF a = Twips(x1, y1), b = Twips(x2, y2);
    if (!lines_.isEmpty() && lines_.back().back() == a) lines_.back().append(b);
    else lines_.append(QPolygonF{a, b});
}

void QtPrinter::Point(double x, double y, uint32_t rgb) {
    if (!active_) return;
    Use(rgb);
    // Dots no farther apart than the pen is wide touch: on paper they are one stroke.
    const QPointF p = Twips(x, y);
    if (!runs_.isEmpty()) {
        QPolygonF& run = runs_.back();
        const QPointF gap = run.back() - p;
        if (gap.x() * gap.x() + gap.y() * gap.y() <= penTwips_ * penTwips_) {
            // A point the stroke passes within half a twip of anyway need not be a corner of it.
            dropped_.append(run.back());
            if (run.size() >= 2 && NearChord(run[run.size() - 2], p, dropped_)) {
                run.back() = p;
            } else {
                dropped_.clear();
                run.append(p);
            }
            return;
        }
    }
    dropped_.clear();
    runs_.append(QPolygonF{p});
}

void QtPrinter::Font(const std::string& name, double points) {
    font_ = QFont(Q(name));
    font_.setStyleHint(QFont::TypeWriter);  // a fixed-pitch font where the named one is missing
    font_.setPointSizeF(points);
}

void QtPrinter::TextLine(const std::string& text) {
    if (!active_) return;
    Flush();
    QFontMetricsF metrics(font_, device_);
    const double dpiY = device_->logicalDpiY();
    const double lineTwips = metrics.lineSpacing() * kTwipsPerInch / dpiY;
    if (textY_ > 0 && textY_ + lineTwips > pageHeight_) {
        FastPdfDeflate fast;  // the finished page is deflated now
        device_->newPage();
        textY_ = 0;
    }
    // Text is set in device pixels, where the font's point size means what it says.
    painter_.save();
    painter_.resetTransform();
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(0, textY_ * dpiY / kTwipsPerInch + metrics.ascent()), Q(text));
    painter_.restore();
    textY_ += lineTwips;
}

PrintOutcome QtPrinter::End() {
    PrintOutcome o;
    if (!active_) {
        o.error = "no print job was started";
        return o;
    }
    Flush();
    active_ = false;
    bool painted;
    {
        FastPdfDeflate fast;  // the last page is deflated as the painter ends
        painted = painter_.end();
    }
    o.where = where_;
    if (printer_) {
        o.ok = painted;
        if (!painted) o.error = "the printer " + where_ + " did not take the page";
        printer_.reset();
        return o;
    }
    o.toPdf = true;
    pdf_.reset();  // finishes the file's last bytes
    if (!painted) {
        file_->cancelWriting();
        o.error = where_ + ": the PDF file could not be finished";
    } else if (!file_->commit()) {
        o.error = where_ + ": " + S(file_->errorString());
    } else {
        o.ok = true;
    }
    file_.reset();
    return o;
}

void QtPrinter::NewPage() {
    if (!active_) return;
    Flush();
    FastPdfDeflate fast;
    device_->newPage();
    textY_ = 0;
}

void QtPrinter::Clip(double x, double y, double w, double h) {
    if (!active_) return;
    Flush();
    if (w > 0 && h > 0) painter_.setClipRect(QRectF(x, y, w, h));
    else painter_.setClipping(false);
}

void QtPrinter::TextAt(double x, double y, double points, const std::string& text) {
    if (!active_) return;
    Flush();
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    QFontMetricsF metrics(font, device_);
    const double dpiX = device_->logicalDpiX(), dpiY = device_->logicalDpiY();
    painter_.save();
    painter_.resetTransform();
    painter_.setClipping(false);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(x * dpiX / kTwipsPerInch, y * dpiY / kTwipsPerInch + metrics.ascent()), Q(text));
    painter_.restore();
}

void QtPrinter::Abort() {
    if (!active_) return;
    active_ = false;
    runs_.clear();
    lines_.clear();
    batching_ = false;
    if (printer_) printer_->abort();
    painter_.end();
    printer_.reset();
    pdf_.reset();
    if (file_) file_->cancelWriting();
    file_.reset();
}
