// The PDF and SVG sinks of Export: polylines are kept until Finish, which
// paints them onto one page of exactly the job's size and saves the file.
#include "ui/vectorexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVector>
#include <cmath>

#include "ui/pdfdeflate.h"
#include "ui/qt_platform.h"

namespace {

constexpr double kUnitsPerInch = 10000;   // the page's drawing unit: whole numbers in the file
constexpr double kPenInches = 0.01;

struct Stroke {
    QPolygonF points;   // page units
    bool closed = false;
    uint32_t rgb = 0;
};

class VectorSink final : public ExportSink {
public:
    explicit VectorSink(const ExportJob& job) : job_(job) {}
    void Polyline(const std::vector<double>& xy, bool closed, uint32_t rgb, int) override {
        Stroke s;
        s.closed = closed;
        s.rgb = rgb;
        s.points.reserve(static_cast<int>(xy.size() / 2));
        for (size_t i = 0; i + 1 < xy.size(); i += 2)
            s.points.append(QPointF(std::round(xy[i] * kUnitsPerInch), std::round(xy[i + 1] * kUnitsPerInch)));
        strokes_.append(std::move(s));
    }
    bool Finish(std::string& error) override;

private:
    void Paint(QPainter& p) const;
    bool FinishPdf(std::string& error) const;
    bool FinishSvg(std::string& error) const;
    ExportJob job_;
    QVector<Stroke> strokes_;
};

void VectorSink::Paint(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    uint32_t current = 0xFFFFFFFFu;
    QPen pen(Qt::black, kPenInches * kUnitsPerInch, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    for (const Stroke& s : strokes_) {
        if (s.rgb != current) {
            current = s.rgb;
            pen.setColor(ToQColor(s.rgb));
            p.setPen(pen);
        }
        if (s.closed) p.drawPolygon(s.points);
        else p.drawPolyline(s.points);
    }
}

bool VectorSink::FinishPdf(std::string& error) const {
    QSaveFile file(Q(job_.path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = S(file.errorString());
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setCreator("Zarnic");
        pdf.setTitle(QFileInfo(Q(job_.path)).completeBaseName());
        pdf.setResolution(1200);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(job_.width, job_.height), QPageSize::Inch, "",
                                                QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
        QPainter p;
        if (!p.begin(&pdf)) {
            file.cancelWriting();
            error = "the PDF writer could not start";
            return false;
        }
        p.scale(pdf.logicalDpiX() / kUnitsPerInch, pdf.logicalDpiY() / kUnitsPerInch);
        Paint(p);
        FastPdfDeflate fast;  // the page is deflated as the painter ends
        p.end();
    }
    if (!file.commit()) {
        error = S(file.errorString());
        return false;
    }
    return true;
}

bool VectorSink::FinishSvg(std::string& error) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setTitle(QFileInfo(Q(job_.path)).completeBaseName());
        svg.setDescription("Drawn by Zarnic at true size");
        svg.setResolution(static_cast<int>(kUnitsPerInch));
        svg.setSize(QSize(static_cast<int>(std::ceil(job_.width * kUnitsPerInch)),
                          static_cast<int>(std::ceil(job_.height * kUnitsPerInch))));
        svg.setViewBox(QRectF(0, 0, job_.width * kUnitsPerInch, job_.height * kUnitsPerInch));
        QPainter p(&svg);
        p.fillRect(QRectF(0, 0, job_.width * kUnitsPerInch, job_.height * kUnitsPerInch), Qt::white);
        Paint(p);
    }
    // The generator states the size in millimetres; the page is measured in inches.
    QByteArray text = buffer.data();
    const int head = text.indexOf("<svg");
    const int end = head < 0 ? -1 : text.indexOf('>', head);
    if (end > head) {
        QString tag = QString::fromUtf8(text.mid(head, end - head));
        tag.replace(QRegularExpression("width=\"[^\"]*\""), QString("width=\"%1in\"").arg(job_.width, 0, 'f', 4));
        tag.replace(QRegularExpression("height=\"[^\"]*\""), QString("height=\"%1in\"").arg(job_.height, 0, 'f', 4));
        text.replace(head, end - head, tag.toUtf8());
    }
    QSaveFile file(Q(job_.path));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        error = S(file.errorString());
        return false;
    }
    return true;
}

bool VectorSink::Finish(std::string& error) {
    return job_.format == ExportFormat::Svg ? FinishSvg(error) : FinishPdf(error);
}

}  // namespace

std::unique_ptr<ExportSink> OpenVectorExport(const ExportJob& job, std::string& error) {
    if (!(job.width > 0 && job.height > 0)) {
        error = "the page has no size";
        return nullptr;
    }
    return std::make_unique<VectorSink>(job);
}
