// The main window: a constructor that reads like a table of contents, the
// drawing area that shows the core's buffer, and the event translation.
#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QPainter>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include "commands/browser.h"
#include "commands/pointer.h"
#include "commands/recovery.h"
#include "commands/shell.h"
#include "commands/viewmenu.h"
#include "editing/arrays.h"
#include "help/help.h"
#include "tables/answers.h"
#include "tables/clicks.h"
#include "tables/keys.h"
#include "tables/menu.h"
#include "ui/animwindow.h"
#include "ui/dialwindow.h"
#include "ui/filewindows.h"
#include "ui/printsetwindow.h"
#include "ui/rectarraywindow.h"
#include "ui/zarnic2.h"
#include "view/redraw.h"
#include "view/view.h"

// ---- drawing area -------------------------------------------------------

DrawingArea::DrawingArea(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(640, 400);
    setMouseTracking(true);  // the cross-hair follows the pointer without a button
}

QImage DrawingArea::SurfaceImage() const { return ImageOfSurface(app_.screen); }

void DrawingArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    uint32_t bg = app_.set.BoardColor;
    p.fillRect(rect(), ToQColor(bg));
    QImage img = SurfaceImage();
    if (img.isNull()) return;
    // The buffer holds device pixels: on a 2x screen the picture is crisp.
    auto* mw = qobject_cast<MainWindow*>(window());
    img.setDevicePixelRatio(mw ? mw->Dpr() : 1);
    p.drawImage(0, 0, img);
}

static int ShiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0);
}

// Qt key to the classic key codes: letters and digits are their capitals'
// codes, Enter 13, Escape 27, Insert 45, keypad digits 96..105.
static int ClassicKeyCode(const QKeyEvent* e) {
    int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) return 13;
    if (k == Qt::Key_Escape) return 27;
    if (k == Qt::Key_Insert) return 45;
    if (k == Qt::Key_Delete) return 46;
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (e->modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;
    return 0;
}

KeyCatcher::KeyCatcher(App& app, QWidget* parent) : QWidget(parent), app_(app) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
}

void KeyCatcher::keyPressEvent(QKeyEvent* e) {
    int code = ClassicKeyCode(e);
    if (code == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    Text1_KeyDown(app_, code, ShiftState(e->modifiers()));
}

void DrawingArea::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // The view is measured again; the drawing keeps its own Zoom and Pan.
    auto* mw = qobject_cast<MainWindow*>(window());
    if (!mw || !app_.shell.Started) return;
    mw->MeasureArea();
    FitZoomOnly(app_);
    ScreenRedraw(app_, 1);
    PlaceListBoxes(app_);
    PlaceHelpViewer(app_);
}

static double TwipsOf(double logicalPx, double dpi) { return logicalPx * kTwipsPerInch / dpi; }

static int ButtonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return kButtonLeft;
    case Qt::RightButton: return kButtonRight;
    case Qt::MiddleButton: return kButtonMiddle;
    default: return 0;
    }
}

void DrawingArea::mouseMoveEvent(QMouseEvent* e) {
    auto* mw = qobject_cast<MainWindow*>(window());
    if (!mw || !app_.shell.Started) return;
    QPointF p = e->position();
    Form_MouseMove(app_, ButtonCode(e->button()), ShiftState(e->modifiers()),
                   static_cast<float>(TwipsOf(p.x(), mw->Dpi())), static_cast<float>(TwipsOf(p.y(), mw->Dpi())));
}

void DrawingArea::mousePressEvent(QMouseEvent* e) {
    auto* mw = qobject_cast<MainWindow*>(window());
    int button = ButtonCode(e->button());
    if (!mw || !app_.shell.Started || button == 0) return;
    QPointF p = e->position();
    Form_MouseDown(app_, button, ShiftState(e->modifiers()), static_cast<float>(TwipsOf(p.x(), mw->Dpi())),
                   static_cast<float>(TwipsOf(p.y(), mw->Dpi())));
}

void DrawingArea::wheelEvent(QWheelEvent* e) {
    auto* mw = qobject_cast<MainWindow*>(window());
    if (!mw || !app_.shell.Started) return;
    // One notch is 120; touch pads send smaller amounts, gathered here.
    static int pending = 0;
    pending += e->angleDelta().y();
    int steps = pending / 120;
    pending -= steps * 120;
    QPointF p = e->position();
    if (steps != 0) WheelZoom(app_, steps, TwipsOf(p.x(), mw->Dpi()), TwipsOf(p.y(), mw->Dpi()));
    e->accept();
}

void InputBox::HideQuietly() {
    quiet_ = true;
    hide();
    quiet_ = false;
}

void InputBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // A menu opening or another window coming up is not an answer.
    Qt::FocusReason r = e->reason();
    if (quiet_ || r == Qt::PopupFocusReason || r == Qt::ActiveWindowFocusReason) return;
    Text2_LostFocus(app_);
}

void InputBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Text2_KeyPress(app_, 13);
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        Text2_KeyPress(app_, 27);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

// ---- main window ----------------------------------------------------------

MainWindow::MainWindow(const std::string& dataFolder)
    : platform_(*this), app_(std::make_unique<App>(platform_)), dataFolder_(dataFolder) {
    setWindowTitle("Zarnic");
    area_ = new DrawingArea(*app_, this);
    setCentralWidget(area_);
    keys_ = new KeyCatcher(*app_, area_);
    input_ = new InputBox(*app_, area_);
    // A slim frame, so the box fits the prompt line's row.
    input_->setStyleSheet("QLineEdit { padding: 0px 2px; border: 1px solid #808080; background: white; color: black; }");
    input_->hide();
    BuildLists();
    BuildMenus();
    openf_ = new OpenFWindow(*app_, this);
    saveas_ = new SaveAsWindow(*app_, this);
    zarnic2_ = new Zarnic2Window(*app_, this);
    platform_.SetDialog(DialogId::OpenF, openf_);
    platform_.SetDialog(DialogId::SaveAs, saveas_);
    platform_.SetDialog(DialogId::Zarnic2, zarnic2_);
    platform_.SetDialog(DialogId::Dial, new DialWindow(*app_, this));
    platform_.SetDialog(DialogId::RectArray, new RectArrayWindow(*app_, this));
    platform_.SetDialog(DialogId::Anim, new AnimWindow(*app_, this));
    platform_.SetDialog(DialogId::PrintSet, new PrintSetWindow(*app_, this));
    // The animation's timer ticks on the interface thread, between events.
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, [this] { Timer1_Timer(*app_); });
    // The window opens filling most of the screen, and never more than the
    // screen: a screen scaled to 200 % has half the logical pixels, and a
    // window taller than it would hide the bottom of every fit.
    QSize avail = screen() ? screen()->availableGeometry().size() : QSize(1280, 900);
    area_->setMinimumSize(std::min(640, avail.width() / 2), std::min(400, avail.height() / 2));
    resize(std::min(avail.width(), std::max(800, avail.width() * 9 / 10)),
           std::min(avail.height(), std::max(560, avail.height() * 9 / 10)));
}

MainWindow::~MainWindow() = default;

double MainWindow::Dpi() const { return area_->logicalDpiX() > 0 ? area_->logicalDpiX() : 96; }

double MainWindow::Dpr() const { return area_->devicePixelRatioF() > 0 ? area_->devicePixelRatioF() : 1; }

void MainWindow::MeasureArea() {
    double dpr = Dpr(), dpi = Dpi();
    SurfaceResize(app_->screen, static_cast<int>(std::lround(area_->width() * dpr)),
                  static_cast<int>(std::lround(area_->height() * dpr)), dpi * dpr, app_->set.BoardColor);
    MeasureView(*app_, area_->width() * kTwipsPerInch / dpi, area_->height() * kTwipsPerInch / dpi);
}

int MainWindow::ToPixels(double twips) const { return static_cast<int>(twips * Dpi() / kTwipsPerInch); }

void MainWindow::StartTimer(int intervalMs) { timer_->start(intervalMs); }

// Recovery copies: the core decides when, the timer only ticks.
// ZARNIC_RECOVERY_SECONDS sets the changed time between copies.
void MainWindow::StartRecoveryTimer() {
    bool ok = false;
    const double seconds = qEnvironmentVariable("ZARNIC_RECOVERY_SECONDS").toDouble(&ok);
    if (ok && seconds > 0) app_->recovery.IntervalSeconds = seconds;
    clock_.start();
    recovery_ = new QTimer(this);
    connect(recovery_, &QTimer::timeout, this, [this] {
        RecoveryTick(*app_, static_cast<double>(clock_.elapsed()) / 1000,
                     S(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss")));
    });
    recovery_->start(1000);
}

void MainWindow::StopTimer() { timer_->stop(); }

void MainWindow::RequestQuit() {
    quitting_ = true;
    QTimer::singleShot(0, this, [this] { close(); });
}

// The shape list, its Cancel button and Help1: hidden until the core shows
// them. They take no focus, so the key catcher or the input box keeps it; a
// row click commits a standing answer first (CommitThenClick), as a click on
// another control does.
void MainWindow::BuildLists() {
    QFont mono("Courier New", 9);
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFixedPitch(true);
    auto makeList = [&](void (*click)(App&, int)) {
        auto* list = new QListWidget(area_);
        list->setFocusPolicy(Qt::NoFocus);
        list->setFont(mono);
        list->hide();
        connect(list, &QListWidget::clicked, this, [this, click](const QModelIndex& index) {
            int row = index.row();
            // After the click is over: the handler may empty and refill the list.
            QTimer::singleShot(0, this, [this, click, row] { CommitThenClick(*app_, click, row); });
        });
        return list;
    };
    shapeList_ = makeList(ShapeList_Click);
    help1_ = makeList(Help1_Click);
    shapeClose_ = new QPushButton(area_);
    shapeClose_->setFocusPolicy(Qt::NoFocus);
    shapeClose_->hide();
    connect(shapeClose_, &QPushButton::clicked, this, [this] { ShapeClose_Click(*app_); });
    helpClose_ = new QPushButton(area_);
    helpClose_->setFocusPolicy(Qt::NoFocus);
    helpClose_->hide();
    connect(helpClose_, &QPushButton::clicked, this, [this] { HelpClose_Click(*app_); });
    restore_ = new QPushButton(area_);
    restore_->setFocusPolicy(Qt::NoFocus);
    restore_->hide();
    connect(restore_, &QPushButton::clicked, this, [this] { RestoreAngle_Click(*app_); });
}

QWidget* MainWindow::Control(const std::string& name) const {
    if (name == kShapeListName) return shapeList_;
    if (name == kShapeCloseName) return shapeClose_;
    if (name == kHelp1Name) return help1_;
    if (name == kHelpCloseName) return helpClose_;
    if (name == kRestoreName) return restore_;
    return nullptr;
}

void MainWindow::ShowControl(const std::string& name, const ControlBox& box) {
    QWidget* w = Control(name);
    if (!w) return;
    if (!box.visible) {
        w->hide();
        return;
    }
    w->setGeometry(ToPixels(box.left), ToPixels(box.top), std::max(1, ToPixels(box.width)),
                   std::max(1, ToPixels(box.height)));
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        QFont f = list->font();
        if (f.pointSizeF() != box.fontPoints && box.fontPoints > 0) {
            f.setPointSizeF(box.fontPoints);
            list->setFont(f);
        }
        QStringList rows;
        rows.reserve(static_cast<int>(box.rows.size()));
        for (const std::string& r : box.rows) rows << Q(r);
        QStringList now;
        for (int i = 0; i < list->count(); ++i) now << list->item(i)->text();
        if (rows != now) {
            list->clear();
            list->addItems(rows);
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(Q(box.caption));
    }
    w->show();
    w->raise();
}

void MainWindow::BuildMenus() {
    QHash<QString, QMenu*> menus;
    for (const std::string& top : MenuBarCaptions()) menus[Q(top)] = menuBar()->addMenu(Q(top));
    for (const MenuRow& row : MenuTable()) {
        QString path = row.menu;
        if (!menus.contains(path)) {
            int cut = path.lastIndexOf('/');
            QMenu* parent = menus.value(path.left(cut));
            if (!parent) continue;
            menus[path] = parent->addMenu(path.mid(cut + 1));
        }
        QMenu* m = menus[path];
        if (row.flags & kMenuSeparatorBefore) m->addSeparator();
        QAction* a = m->addAction(row.caption);
        if (*row.key) a->setShortcut(QKeySequence(row.key));
        a->setCheckable(row.flags & kMenuCheckable);
        a->setVisible(!(row.flags & kMenuHidden));
        a->setEnabled(MenuRowEnabledAtStart(row));
        std::string id = row.id;
        connect(a, &QAction::triggered, this, [this, id, a] {
            // The core sets check marks itself; undo Qt's own toggle first.
            if (a->isCheckable()) a->setChecked(!a->isChecked());
            MenuClick(*app_, id);
        });
        platform_.SetAction(id, a);
    }
}

void MainWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, &MainWindow::Start);
    }
}

void MainWindow::Start() {
    double dpi = Dpi(), dpr = Dpr();
    SurfaceResize(app_->screen, static_cast<int>(std::lround(area_->width() * dpr)),
                  static_cast<int>(std::lround(area_->height() * dpr)), dpi * dpr, 0);
    double w = area_->width() * kTwipsPerInch / dpi, h = area_->height() * kTwipsPerInch / dpi;
    Form_Load(*app_, dataFolder_, w, h);
    StartRecoveryTimer();
    // A question start-up left standing (the new name of a missing shape)
    // keeps the input box and its focus; otherwise the key catcher takes it.
    if (!input_->isVisible()) keys_->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (quitting_) {
        e->accept();
        return;
    }
    // The title bar's close button is the End entry: it may ask to save.
    e->ignore();
    End_Click(*app_);
}
