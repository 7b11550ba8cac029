// The main window Zarnic1: the drawing area showing the core's pixel buffer
// with the prompt line on it, the input box Text2, the menu bar built from the
// core's menu table, and the hidden dialog windows. Turns Qt events into the
// core's calls and nothing else.
#pragma once
#include <QLineEdit>
#include <QMainWindow>
#include <QWidget>
#include <memory>

#include "app.h"
#include "ui/qt_platform.h"

class PanelWindow;

// The drawing area; also the key catcher Text1 while no answer is asked.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    DrawingArea(App& app, QWidget* parent);
    // The surface as an image over the core's own pixels.
    QImage SurfaceImage() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    App& app_;
};

// The input box: Enter and Escape go to the core.
class InputBox : public QLineEdit {
    Q_OBJECT
public:
    InputBox(App& app, QWidget* parent) : QLineEdit(parent), app_(app) {}

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    App& app_;
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

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildMenus();
    void Start();

    QtPlatform platform_;
    std::unique_ptr<App> app_;
    std::string dataFolder_;
    DrawingArea* area_ = nullptr;
    InputBox* input_ = nullptr;
    PanelWindow* openf_ = nullptr;
    PanelWindow* saveas_ = nullptr;
    PanelWindow* zarnic2_ = nullptr;
    bool started_ = false;
    bool quitting_ = false;
};
