// The binding on a screen scaled to 200 % (QT_SCALE_FACTOR=2 on a 1600 x
// 1000 screen, as many laptops run): the window keeps to the screen, Reset
// Zoom and Pan puts the limits inside the drawing area whichever way they
// are shaped, and the pointer, the cross-hair, the grid and a click agree on
// the drawing point under the pointer. Runs in its own process
// (ui_tests --ratio2).
#include <QAction>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include "tables/menu.h"
#include "ui/mainwindow.h"
#include "ui_tests.h"
#include "view/view.h"

class HighDpiTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MainWindow> w_;

    App& app() { return w_->app(); }
    // A drawing point's position on the drawing area, in logical pixels.
    QPointF Logical(double x, double y) {
        const double k = w_->Dpi() / kTwipsPerInch;
        return {ToScreenX(app(), x) * k, ToScreenY(app(), y) * k};
    }
    void ResetZoomAndPan() {
        for (QAction* a : w_->findChildren<QAction*>())
            if (a->text() == "Reset Zoom and Pan") a->trigger();
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir font(QString(ZARNIC_FIXTURES) + "font");
        for (const QString& f : font.entryList(QDir::Files)) QFile::copy(font.filePath(f), dir_->filePath(f));
        w_ = std::make_unique<MainWindow>(dir_->path().toStdString() + "/");
        w_->show();
        QTRY_VERIFY(app().shell.Started);
    }
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    void windowAndBufferFollowTheRatio() {
        QCOMPARE(w_->Dpr(), 2.0);
        // The window is no larger than the screen, so the whole drawing area is seen.
        const QSize screen = w_->screen()->availableGeometry().size();
        QVERIFY2(w_->width() <= screen.width() && w_->height() <= screen.height(),
                 qPrintable(QString("a %1 x %2 window on a %3 x %4 screen")
                                .arg(w_->width()).arg(w_->height()).arg(screen.width()).arg(screen.height())));
        // The buffer holds the area's device pixels.
        QCOMPARE(app().screen.width, w_->area()->width() * 2);
        QCOMPARE(app().screen.height, w_->area()->height() * 2);
    }

    void resetZoomAndPanFitsTallAndWideLimits() {
        struct Limits {
            double llx, lly, urx, ury;
        };
        // Taller than the area's shape, then wider.
        for (Limits l : {Limits{-5, -4, 5, 4}, Limits{-2, -6, 2, 6}, Limits{-5, -1, 5, 1}}) {
            Drawing& d = app().dwg;
            d.LimLLX = l.llx, d.LimLLY = l.lly, d.LimURX = l.urx, d.LimURY = l.ury;
            ResetZoomAndPan();
            // The part of the drawing area the screen shows.
            const QRect global(w_->area()->mapToGlobal(QPoint(0, 0)), w_->area()->size());
            const QRect shown = global.intersected(w_->screen()->geometry());
            const QRectF area(shown.translated(-global.topLeft()));
            const QPointF lo = Logical(l.llx, l.lly), hi = Logical(l.urx, l.ury);
            QVERIFY2(area.contains(lo) && area.contains(hi),
                     qPrintable(QString("limits %1,%2 %3,%4 fall at (%5, %6)-(%7, %8) of %9 x %10")
                                    .arg(l.llx).arg(l.lly).arg(l.urx).arg(l.ury)
                                    .arg(lo.x()).arg(lo.y()).arg(hi.x()).arg(hi.y())
                                    .arg(area.width()).arg(area.height())));
            // A fitted view leaves a margin: the limits fill most of one direction.
            const double fillX = (hi.x() - lo.x()) / area.width(), fillY = (lo.y() - hi.y()) / area.height();
            QVERIFY(std::max(fillX, fillY) > 0.8);
        }
    }

    void pointerCrossHairGridAndClickAgree() {
        app().dwg.GridOn = true;
        app().dwg.GridSpacing = 0.5;
        ResetZoomAndPan();
        // A grid point, and the logical pixel over it.
        const QPoint px = Logical(1.5, -0.5).toPoint();
        const Surface& s = app().screen;
        auto near = [&](uint32_t rgb) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int x = px.x() * 2 + dx, y = px.y() * 2 + dy;
                    if (x >= 0 && y >= 0 && x < s.width && y < s.height &&
                        s.px[static_cast<size_t>(y) * s.width + x] == rgb)
                        return true;
                }
            return false;
        };
        QVERIFY2(near(app().set.GridColor & 0xFFFFFFu), "no grid dot under the pointer's device pixels");
        // The pointer there: the cross-hair's point is the grid point.
        QTest::mouseMove(w_->area(), px);
        QTRY_VERIFY(std::fabs(app().cmd.Pt0.x - 1.5) < 1e-9 && std::fabs(app().cmd.Pt0.y + 0.5) < 1e-9);
        // A click of the Line command takes that point as its first vertex.
        MenuClick(app(), "Line");
        QTest::mouseClick(w_->area(), Qt::LeftButton, Qt::NoModifier, px);
        QCOMPARE(app().cmd.Pt1.x, 1.5);
        QCOMPARE(app().cmd.Pt1.y, -0.5);
    }
};

int RunHighDpiTests(int argc, char** argv) {
    HighDpiTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "highdpi_test.moc"
