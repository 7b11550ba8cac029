// The command interaction on the real widgets: the menu bar walked against
// the program's menu list (captions, keys, order), accelerators that arm
// commands, Enter and Tab that commit an answer, Escape that cancels, a
// click on the drawing area that leaves a standing question alone, and the
// library browser's row click.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

#include "ui/mainwindow.h"
#include "ui_tests.h"
#include "view/view.h"

namespace {

struct Entry {
    const char* menu;      // menu path
    const char* caption;   // caption as shown (with "&&" for one ampersand)
    const char* key;       // accelerator, "" for none
};

// Every entry of the menu bar in order (the nine recent-file entries are
// hidden until filled and are not listed).
const Entry kMenuBar[] = {
    {"Files", "New", "Ctrl+N"},
    {"Files", "Open", "Ctrl+O"},
    {"Files", "Open Backup", ""},
    {"Files", "Insert", "Ctrl+I"},
    {"Files", "Save", "Ctrl+S"},
    {"Files", "Save As", ""},
    {"Files", "Print Drawing", "Ctrl+P"},
    {"Files", "Print at True Size...", "Ctrl+Shift+P"},
    {"Files", "Printer Setup", ""},
    {"Files", "Plot to HPGL File", "Ctrl+H"},
    {"Files", "Export...", "Ctrl+Shift+E"},
    {"Files", "Print List of Shortcut Keys", "Ctrl+Shift+F1"},
    {"Files", "End", "Ctrl+Q"},
    {"Edit", "Undo", "Ctrl+Z"},
    {"Edit", "Color Change", "Ctrl+K"},
    {"Edit", "Copy                                                    Ins", ""},
    {"Edit", "Copy to Clipboard", "Ctrl+C"},
    {"Edit", "Cut to Clipboard", "Ctrl+X"},
    {"Edit", "Delete", "Del"},
    {"Edit", "Edit", "Ctrl+E"},
    {"Edit", "Flip", "Ctrl+F"},
    {"Edit", "Lock", "Ctrl+L"},
    {"Edit", "Mirror                                  Ctrl+Shft+M", ""},
    {"Edit", "Move", "Ctrl+M"},
    {"Edit", "Paste from Clipboard", "Ctrl+V"},
    {"Edit", "Rotate", "Ctrl+R"},
    {"Edit", "Scale", "Ctrl+G"},
    {"Edit", "Select All", "Ctrl+A"},
    {"Edit", "Select Window", "Ctrl+W"},
    {"Edit", "Unlock All", "Ctrl+U"},
    {"View", "Animated Rotation", ""},
    {"View", "Grid Spacing", "F5"},
    {"View", "Grid On/Off", "F6"},
    {"View", "Limits", "F7"},
    {"View", "Pan", "F2"},
    {"View", "Reset Zoom and Pan", "F11"},
    {"View", "Snap Width", "F8"},
    {"View", "Snap Mode (Both)", "F9"},  // "Snap Off/X/Y/Both" until start-up shows the mode
    {"View", "What is it", "Ctrl+J"},
    {"View", "Zoom Out", "F3"},
    {"View", "Zoom In", "F4"},
    {"Draw/Arc", "Center point, Start point, Angle     A 1", ""},
    {"Draw/Arc", "Start point, Center point, Angle     A 2", ""},
    {"Draw/Arc", "Start point, End point, Center        A 3", ""},
    {"Draw/Array", "Polar                A P", ""},
    {"Draw/Array", "Rectangular      A R", ""},
    {"Draw", "Circle                                      C", ""},
    {"Draw", "Dial && Meter Scale Design", "Ctrl+D"},
    {"Draw", "Dimension                                D", ""},
    {"Draw", "Line                                         L", ""},
    {"Draw", "Shape                                       S", ""},
    {"Draw", "Text                                         T", ""},
    {"Draw", "Trace Picture", ""},
    {"Draw", "Remove Traced Picture", ""},
    {"Settings/Color", "White or Black        Shft+W", ""},
    {"Settings/Color", "Red                         Shft+R", ""},
    {"Settings/Color", "Yellow                    Shft+Y", ""},
    {"Settings/Color", "Green                      Shft+G", ""},
    {"Settings/Color", "Cyan                       Shft+C", ""},
    {"Settings/Color", "Blue                        Shft+B", ""},
    {"Settings/Color", "Magenta                 Shft+M", ""},
    {"Settings", "Hidden Line Settings", "F12"},
    {"Settings/Line Type", "Continuous (Solid)          Shft+S   or", "Shift+F12"},
    {"Settings/Line Type", "Dashed (Hidden)           Shft+H   or", "Ctrl+F12"},
    {"Settings", "Line Type Reverts to Solid After one line", "Ctrl+Shift+F12"},
    {"Settings", "Plot Scale", "Ctrl+F3"},
    {"Settings", "Shape Library", "Ctrl+F4"},
    {"Settings", "Text Height", "Ctrl+F5"},
    {"Settings", "Default Settings", "Ctrl+F6"},
    {"Help", "Shortcut Keys", "F1"},
    {"Help", "Files Menu", ""},
    {"Help", "Edit Menu", ""},
    {"Help", "View Menu", ""},
    {"Help", "Draw Menu", ""},
    {"Help", "Settings Menu", ""},
    {"Help", "Help Menu", "Ctrl+F1"},
    {"Help", "Shape and Font Files", ""},
};

struct Seen {
    QString menu, caption;
    QKeySequence key;
};

void Walk(QMenu* m, const QString& path, std::vector<Seen>& out) {
    for (QAction* a : m->actions()) {
        if (a->isSeparator()) continue;
        if (a->menu()) {
            Walk(a->menu(), path + "/" + a->text(), out);
            continue;
        }
        if (!a->isVisible() && a->text().isEmpty()) continue;  // recent entries not yet filled
        out.push_back({path, a->text(), a->shortcut()});
    }
}

}  // namespace

class InteractionTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<MainWindow> w_;
    App& app() { return w_->app(); }

    void Start() {
        w_ = std::make_unique<MainWindow>(dir_->path().toStdString() + "/");
        w_->show();
        QTRY_VERIFY(w_->app().shell.Started);
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QTRY_VERIFY(w_->keyCatcher()->hasFocus());
    }
    void Copy(const QString& from) {
        QDir src(from);
        for (const QString& f : src.entryList(QDir::Files)) QFile::copy(src.filePath(f), dir_->filePath(f));
    }
    // Keys go where the focus is, as a user's keyboard sends them.
    void Key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* f = QApplication::focusWidget();
        QVERIFY(f);
        QTest::keyClick(f, k, m);
    }
    void Type(const QString& text) {
        QWidget* f = QApplication::focusWidget();
        QVERIFY(f);
        QTest::keyClicks(f, text);
    }
    std::string Cmd() { return app().cmd.CurCommand; }
    // The snapped drawing point of a pixel of the drawing area.
    Point2 At(QPoint px) {
        Point2 p;
        const double k = kTwipsPerInch / w_->Dpi();
        SnapToDrawing(app(), static_cast<float>(px.x() * k), static_cast<float>(px.y() * k), p.x, p.y);
        return p;
    }
    void Click(Qt::MouseButton b, QPoint px) {
        QTest::mouseMove(w_->area(), px);
        QTest::mouseClick(w_->area(), b, Qt::NoModifier, px);
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        Copy(QString(ZARNIC_FIXTURES) + "font");
        Copy(QString(ZARNIC_FIXTURES) + "shapes");
        Start();
    }
    void cleanup() {
        w_.reset();
        dir_.reset();
    }

    void menuBarMatchesTheProgramsMenuList() {
        std::vector<Seen> seen;
        for (QAction* top : w_->menuBar()->actions())
            if (top->menu()) Walk(top->menu(), top->text(), seen);
        const size_t n = sizeof kMenuBar / sizeof kMenuBar[0];
        QCOMPARE(seen.size(), n);
        for (size_t i = 0; i < n; ++i) {
            QCOMPARE(seen[i].menu, QString(kMenuBar[i].menu));
            QCOMPARE(seen[i].caption, QString(kMenuBar[i].caption));
            QCOMPARE(seen[i].key, QKeySequence(kMenuBar[i].key));
        }
    }

    void acceleratorArmsAndEnterCommits() {
        Key(Qt::Key_F5);
        QCOMPARE(Cmd(), std::string("Grid"));
        QVERIFY(w_->input()->isVisible());
        QVERIFY(w_->input()->hasFocus());
        QCOMPARE(w_->input()->text(), QString(" 0.5"));
        Type("0.25");  // replaces the selected default
        Key(Qt::Key_Return);
        QCOMPARE(app().dwg.GridSpacing, 0.25);
        QCOMPARE(Cmd(), std::string("None"));
        QVERIFY(!w_->input()->isVisible());
        QVERIFY(w_->keyCatcher()->hasFocus());
    }

    void tabCommitsTheAnswer() {
        Key(Qt::Key_F8);
        QCOMPARE(Cmd(), std::string("Snap"));
        Type("0.25,0.5");
        Key(Qt::Key_Tab);
        QCOMPARE(app().dwg.SnapX, 0.25);
        QCOMPARE(app().dwg.SnapY, 0.5);
        QCOMPARE(Cmd(), std::string("None"));
        QVERIFY(w_->keyCatcher()->hasFocus());
    }

    void escapeCancelsWithoutTakingTheAnswer() {
        Key(Qt::Key_F5);
        Type("7");
        Key(Qt::Key_Escape);
        QCOMPARE(Cmd(), std::string("None"));
        QCOMPARE(app().dwg.GridSpacing, 0.5);
        QVERIFY(w_->keyCatcher()->hasFocus());
    }

    void clickOnTheDrawingKeepsTheQuestion() {
        Key(Qt::Key_F7);
        QCOMPARE(Cmd(), std::string("Limits"));
        Type("1,1");
        QTest::mouseClick(w_->area(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
        QTest::mouseClick(w_->area(), Qt::RightButton, Qt::NoModifier, QPoint(320, 310));
        QCOMPARE(Cmd(), std::string("Limits"));
        QCOMPARE(app().cmd.CmdStep, std::string("LL"));
        QVERIFY(w_->input()->hasFocus());
        QCOMPARE(w_->input()->text(), QString("1,1"));
        QCOMPARE(app().dwg.LimLLX, -5.0);
        // Enter takes it.
        Key(Qt::Key_Return);
        QCOMPARE(app().dwg.LimLLX, 1.0);
        QCOMPARE(app().cmd.CmdStep, std::string("UR"));
        QVERIFY(w_->input()->hasFocus());
    }

    void panTakesClicksOnTheDrawing() {
        Key(Qt::Key_F2);
        QCOMPARE(Cmd(), std::string("Pan"));
        const int32_t panX = app().dwg.PanX;
        QTest::mouseClick(w_->area(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
        QVERIFY(app().cmd.RubberBandOn);
        QTest::mouseClick(w_->area(), Qt::RightButton, Qt::NoModifier, QPoint(400, 300));
        QCOMPARE(Cmd(), std::string("None"));
        QVERIFY(app().dwg.PanX > panX);
        QVERIFY(w_->keyCatcher()->hasFocus());
    }

    void libraryRowClickSetsThePrefix() {
        QFile::copy(dir_->filePath("ScB-TestBox.dwg"), dir_->filePath("PCBoard.dwg"));
        Key(Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(Cmd(), std::string("ShapeLib"));
        auto* help1 = qobject_cast<QListWidget*>(w_->Control("Help1"));
        QVERIFY(help1 && help1->isVisible());
        int pcRow = -1;
        for (int i = 0; i < help1->count(); ++i)
            if (help1->item(i)->text().startsWith("       PC")) pcRow = i;
        QVERIFY(pcRow > 0);
        QRect r = help1->visualItemRect(help1->item(pcRow));
        QTest::mouseClick(help1->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QTRY_COMPARE(app().dwg.ShapePrefix, std::string("PC"));
        QCOMPARE(Cmd(), std::string("None"));
        QVERIFY(!help1->isVisible());
        QVERIFY(w_->windowTitle().contains("<Shape: PC>"));
    }

    void lineByClicks() {
        Key(Qt::Key_L);
        QCOMPARE(Cmd(), std::string("Line"));
        const QPoint p1(200, 300), p2(400, 300), p3(400, 420);
        Click(Qt::LeftButton, p1);
        Click(Qt::LeftButton, p2);
        Click(Qt::RightButton, p3);
        QCOMPARE(Cmd(), std::string("None"));
        const Drawing& d = app().dwg;
        QCOMPARE(int(d.ObjNext), 2);
        QCOMPARE(d.ObjType[1], std::string("Line"));
        QCOMPARE(d.ObjSize[1], 3.0);
        for (int k = 1; k <= 3; ++k) {
            Point2 want = At(k == 1 ? p1 : k == 2 ? p2 : p3);
            QCOMPARE(d.VertX(1, k), want.x);
            QCOMPARE(d.VertY(1, k), want.y);
        }
        QVERIFY(w_->keyCatcher()->hasFocus());
    }

    void threePointArcByClicks() {
        Key(Qt::Key_A);
        Key(Qt::Key_3);
        QCOMPARE(Cmd(), std::string("Arc3"));
        const QPoint s(300, 400), e(500, 400);
        Click(Qt::LeftButton, s);
        Click(Qt::LeftButton, e);
        // The centre follows the pointer along the chord's bisector.
        QTest::mouseMove(w_->area(), QPoint(330, 300));
        QTest::mouseMove(w_->area(), QPoint(350, 310));
        QTest::mouseClick(w_->area(), Qt::RightButton, Qt::NoModifier, QPoint(350, 310));
        QCOMPARE(Cmd(), std::string("None"));
        const Drawing& d = app().dwg;
        QCOMPARE(d.ObjType[1], std::string("Arc"));
        const Point2 S = At(s), E = At(e);
        QCOMPARE(d.ObjX[1], (S.x + E.x) / 2);
        QVERIFY(d.ObjY[1] > S.y);
        QVERIFY(std::fabs(std::hypot(S.x - d.ObjX[1], S.y - d.ObjY[1]) - d.ObjSize[1]) < 1e-9);
        QVERIFY(std::fabs(std::hypot(E.x - d.ObjX[1], E.y - d.ObjY[1]) - d.ObjSize[1]) < 1e-9);
    }

    void dimensionByClicksAndEnter() {
        Key(Qt::Key_D);
        QCOMPARE(Cmd(), std::string("Dimension"));
        const QPoint a(200, 450), b(600, 450), t(400, 380);
        Click(Qt::LeftButton, a);
        Click(Qt::LeftButton, b);
        Click(Qt::RightButton, t);
        QVERIFY(w_->input()->hasFocus());
        QCOMPARE(w_->input()->text(), QString("C"));
        Key(Qt::Key_Return);  // centred
        QCOMPARE(w_->input()->text(), QString("2"));
        Key(Qt::Key_Return);  // two places
        const double len = At(b).x - At(a).x;
        QCOMPARE(w_->input()->text(), QString::number(len, 'f', 2) + "\"");
        Key(Qt::Key_Return);  // the measured text
        QCOMPARE(Cmd(), std::string("None"));
        const Drawing& d = app().dwg;
        QCOMPARE(int(d.ObjNext), 8);  // two line pieces, two extension lines, two arrows, the text
        QCOMPARE(d.ObjType[7], std::string("Text"));
        QCOMPARE(d.ObjX[7], (At(a).x + At(b).x) / 2);
        QCOMPARE(d.ObjY[7], At(t).y);
    }

    void shapeListEntryArmsTheShape() {
        Key(Qt::Key_S);
        auto* list = qobject_cast<QListWidget*>(w_->Control("ShapeList"));
        QVERIFY(list && list->isVisible());
        QVERIFY(w_->keyCatcher()->hasFocus());  // the list takes no focus
        auto found = list->findItems("    TestRes", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(found[0]).center());
        QTRY_COMPARE(Cmd(), std::string("Shape"));
        QCOMPARE(app().dwg.ObjText[app().dwg.ObjNext], std::string("ScG-TestRes"));
        QVERIFY(!list->isVisible());
        Key(Qt::Key_Escape);
        QCOMPARE(Cmd(), std::string("None"));
    }
};

int RunInteractionTests(int argc, char** argv) {
    InteractionTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "interaction_test.moc"
