// The main window Zarnic1: the drawing area showing the core's pixel buffer
// with the prompt line on it, the input box Text2, the menu bar built from the
// core's menu table, and the hidden dialog windows. Turns Qt events into the
// core's calls and nothing else.
#pragma once
#include <QLineEdit>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QWidget>
#include <memory>

#include "app.h"
#include "ui/qt_platform.h"

class PanelWindow;

class QListWidget;
class QPushButton;

// The drawing area: the window's client area. It never takes the focus, so a
// click on it leaves a standing question in the input box.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    DrawingArea(App& app, QWidget* parent);
    // The surface as an image over the core's own pixels.
    QImage SurfaceImage() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    App& app_;
};

// The key catcher Text1: holds the focus whenever no answer is asked, so
// the window receives the single-key shortcuts. Invisible, one pixel.
class KeyCatcher : public QWidget {
    Q_OBJECT
public:
    KeyCatcher(App& app, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab stays here

private:
    App& app_;
};

// The input box Text2: Enter and Escape go to the core; losing the focus
// (Enter, Tab, a click on another control) commits the answer.
class InputBox : public QLineEdit {
    Q_OBJECT
public:
    InputBox(App& app, QWidget* parent) : QLineEdit(parent), app_(app) {}
    // Hides the box without committing its answer (the command reset).
    void HideQuietly();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    App& app_;
    bool quiet_ = false;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: where the data files are (the data-folder rule applied).
    explicit MainWindow(const std::string& dataFolder);
    ~MainWindow() override;

    App& app() { return *app_; }
    DrawingArea* area() const { return area_; }
    InputBox* input() const { return input_; }
    KeyCatcher* keyCatcher() const { return keys_; }
    // The controls over the drawing area by their core names; nullptr for others.
    QWidget* Control(const std::string& name) const;
    // Shows a control as the core describes it.
    void ShowControl(const std::string& name, const ControlBox& box);
    // Twips on the drawing area to logical pixels and back.
    double Dpi() const;
    // Device pixels per logical pixel (2 on a 2x screen).
    double Dpr() const;
    // Sizes the core's buffer to the drawing area's device pixels and
    // measures the view in twips again (start-up and every resize).
    void MeasureArea();
    int ToPixels(double twips) const;
    // Ends the run once the current event is over.
    void RequestQuit();
    // The animation's timer.
    void StartTimer(int intervalMs);
    void StopTimer();
    // The recovery copies' one-second tick (start-up).
    void StartRecoveryTimer();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildMenus();
    void BuildLists();
    void Start();

    QtPlatform platform_;
    std::unique_ptr<App> app_;
    std::string dataFolder_;
    DrawingArea* area_ = nullptr;
    InputBox* input_ = nullptr;
    KeyCatcher* keys_ = nullptr;
    QListWidget* shapeList_ = nullptr;
    QPushButton* shapeClose_ = nullptr;
    QListWidget* help1_ = nullptr;
    QPushButton* helpClose_ = nullptr;
    QPushButton* restore_ = nullptr;    // "Restore" after an animation
    class QTimer* timer_ = nullptr;     // Timer1 of the animation
    class QTimer* recovery_ = nullptr;  // ticks the recovery copies once a second
    QElapsedTimer clock_;               // the recovery ticks' steady clock
    PanelWindow* openf_ = nullptr;
    PanelWindow* saveas_ = nullptr;
    PanelWindow* zarnic2_ = nullptr;
    bool started_ = false;
    bool quitting_ = false;
};
