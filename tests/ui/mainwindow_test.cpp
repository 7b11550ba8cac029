// The main window binding: menus built from the core's table, the caption
// after start-up, the input box placed by the core, the key catcher's keys
// and the buffer shown by the drawing area.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "commands/registers.h"
#include "model/recent.h"
#include "ui/mainwindow.h"
#include "ui_tests.h"

class MainWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MainWindow> w_;

    QAction* FindAction(const QString& text) {
        for (QAction* a : w_->findChildren<QAction*>())
            if (a->text() == text) return a;
        return nullptr;
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();  // every test is a first start
        // An installation brings its font drawings; without any drawing the
        // shape list would stop the start with its message.
        QDir font(QString(ZARNIC_FIXTURES) + "font");
        for (const QString& f : font.entryList(QDir::Files)) QFile::copy(font.filePath(f), dir_->filePath(f));
        w_ = std::make_unique<MainWindow>(dir_->path().toStdString() + "/");
        w_->show();
        QTRY_VERIFY(w_->app().shell.Started);
    }
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    // The drawing opened at start-up names a shape the folder lacks: the
    // answer Yes asks for a new name, and the name box keeps the focus once
    // start-up is over, so the name typed goes into it.
    void missingShapeAtStartKeepsTheNameBoxFocused() {
        w_.reset();
        const QString folder = dir_->path() + "/";
        QFile::copy(QString(ZARNIC_FIXTURES) + "every_kind.dwg", folder + "every_kind.dwg");
        FileState recent;
        recent.RecentPath[0] = folder.toStdString();
        recent.RecentName[0] = "every_kind.dwg";
        QFile list(folder + kRecentFileName);
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray::fromStdString(RecentFileText(recent)));
        list.close();
        // The question comes up inside start-up: Yes is clicked once it shows.
        int asked = 0;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->text().contains("cannot be found")) return;
            ++asked;
            box->button(QMessageBox::Yes)->click();
        });
        answer.start(20);
        w_ = std::make_unique<MainWindow>(folder.toStdString());
        w_->show();
        QTRY_VERIFY(w_->app().shell.Started);
        answer.stop();
        QCOMPARE(asked, 1);
        QCOMPARE(w_->app().cmd.CurCommand, std::string("ShapeName"));
        QVERIFY(w_->input()->isVisible());
        // The window is active again once the question has gone.
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QTRY_VERIFY(w_->input()->hasFocus());
        QTest::qWait(50);  // nothing takes it away afterwards
        QVERIFY(w_->input()->hasFocus());
        QTest::keyClicks(w_->input(), "X");
        QVERIFY(w_->input()->text().endsWith("X"));
    }

    // The designer window over its panel: the fields from the defaults
    // file, the first one focused, the preview drawn, and Escape closing it.
    void dialDesignerOpensWithItsDefaultsAndPreview() {
        QAction* dial = FindAction("Dial && Meter Scale Design");
        QVERIFY(dial && dial->isEnabled());
        dial->trigger();
        auto* window = w_->findChild<QDialog*>("DialDesigner");
        QVERIFY(window);
        QTRY_VERIFY(window->isVisible());
        auto* radius = window->findChild<QLineEdit*>("DialData0");
        auto* rotation = window->findChild<QLineEdit*>("DialData2");
        QVERIFY(radius && rotation);
        QCOMPARE(radius->text(), QString("1.5"));
        QCOMPARE(rotation->text(), QString("180"));
        auto* preview = window->findChild<QLabel*>("DialPreview");
        QVERIFY(preview && !preview->pixmap().isNull());
        QImage shown = preview->pixmap().toImage();
        int dark = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) dark += qGray(shown.pixel(x, y)) < 128;
        QVERIFY(dark > 50);
        // A field typed into is read when Transfer runs: the radius goes into the dial.
        radius->setText("2.25");
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text() == "Transfer To Drawing") b->click();
        QTRY_VERIFY(!window->isVisible());
        QCOMPARE(w_->app().cmd.CurCommand, std::string("Dial"));
        QCOMPARE(w_->app().dwg.VertX(w_->app().dwg.ObjNext, 3), 2.25);
        QTest::keyClick(w_->keyCatcher(), Qt::Key_Escape);
        dial->trigger();
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(radius->text(), QString("2.25"));  // the transfer kept it as the default
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(!w_->app().dial.Visible);
    }

    void menuBarHasTheSixMenus() {
        QStringList tops;
        for (QAction* a : w_->menuBar()->actions()) tops << a->text();
        QCOMPARE(tops, QStringList({"Files", "Edit", "View", "Draw", "Settings", "Help"}));
    }

    void entriesCarryCaptionsAndKeys() {
        QAction* save = FindAction("Save");
        QVERIFY(save);
        QCOMPARE(save->shortcut(), QKeySequence("Ctrl+S"));
        QAction* dashed = FindAction("Dashed (Hidden)           Shft+H   or");
        QVERIFY(dashed);
        QCOMPARE(dashed->shortcut(), QKeySequence("Ctrl+F12"));
        QAction* white = FindAction("White or Black        Shft+W");
        QVERIFY(white && white->isChecked());
        QAction* recent = nullptr;
        for (QAction* a : w_->findChildren<QAction*>())
            if (a->text().isEmpty() && !a->isSeparator() && !a->isVisible()) recent = a;
        QVERIFY(recent);  // the empty recent entries are hidden
    }

    void firstStartCaption() {
        QCOMPARE(w_->windowTitle(),
                 QString("Zarnic  No File.  <Font: F->  <Shapes: Sc>  Draw Color = White     Line Type = Solid "));
    }

    void colourMenuChecksOnlyItsEntry() {
        QAction* red = FindAction("Red                         Shft+R");
        QVERIFY(red);
        red->trigger();
        QVERIFY(red->isChecked());
        QVERIFY(!FindAction("White or Black        Shft+W")->isChecked());
        QVERIFY(w_->windowTitle().contains("Draw Color = Red    "));
    }

    void shiftKeyInKeyCatcherSetsColour() {
        QVERIFY(w_->keyCatcher()->hasFocus());
        QTest::keyClick(w_->keyCatcher(), Qt::Key_B, Qt::ShiftModifier);
        QCOMPARE(int(w_->app().dwg.CurColor), 5);
    }

    void inputBoxFollowsThePrompt() {
        InputPrompt(w_->app(), 1600, "3", "Line:");
        QVERIFY(w_->input()->isVisible());
        QCOMPARE(w_->input()->text(), QString("3"));
        QCOMPARE(w_->input()->width(), w_->ToPixels(1600));
        QTest::keyClick(w_->input(), Qt::Key_Escape);
        QVERIFY(!w_->input()->isVisible());
        QCOMPARE(QString::fromStdString(w_->app().cmd.CurCommand), QString("None"));
    }

    void areaShowsTheCoreBuffer() {
        QImage img = w_->area()->SurfaceImage();
        QVERIFY(!img.isNull());
        // The factory board is black; the grid dots are green.
        const Surface& s = w_->app().screen;
        bool green = false;
        for (uint32_t p : s.px) green |= p == 65280u;
        QVERIFY(green);
        QCOMPARE(img.pixelColor(s.width - 1, s.height - 1), QColor(0, 0, 0));
        // Text written on the surface leaves plain colour values behind.
        for (uint32_t p : s.px) QVERIFY(p <= 0xFFFFFFu);
    }
};

int RunMainWindowTests(int argc, char** argv) {
    MainWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "mainwindow_test.moc"
