// The Platform interface on Qt: message boxes, caption, menu entries, text on
// the core's pixel buffer, the input box and the dialog windows. Owned by the
// main window; every other Qt class reaches the core through it.
#pragma once
#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>

#include "platform/platform.h"
#include "ui/qt_output.h"

class MainWindow;
class PanelWindow;
class QAction;

class QtPlatform : public WithQtOutput<Platform> {
public:
    explicit QtPlatform(MainWindow& main) : main_(main) {}
    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title) override;
    void SetCaption(const std::string& caption) override;
    void MenuSetChecked(const std::string& id, bool checked) override;
    void MenuSetEnabled(const std::string& id, bool enabled) override;
    void MenuSetVisible(const std::string& id, bool visible) override;
    void MenuSetCaption(const std::string& id, const std::string& caption) override;
    void SurfaceText(Surface& s, double xTw, double yTw, const std::string& text, uint32_t rgb) override;
    double TextWidth(const std::string& text) override;
    double TextHeight() override;
    bool LoadPicture(const std::string& path, int& width, int& height, std::vector<uint32_t>& pixels) override;
    void SurfaceChanged() override;
    void SetWindowColors(uint32_t background, uint32_t foreground) override;
    void InputBoxShow(double leftTw, double topTw, double widthTw, double heightTw,
                      const std::string& text) override;
    void InputBoxHide() override;
    std::string InputBoxText() override;
    void InputBoxSetText(const std::string& text) override;
    bool InputBoxVisible() override;
    void FocusInputBox() override;
    void ShowControl(const std::string& name, const ControlBox& box) override;
    void FocusKeyCatcher() override;
    void ShowDialog(DialogId id, bool visible) override;
    void SyncDialog(DialogId id) override;
    void FocusDialog(DialogId id, const std::string& control) override;
    void ClipboardClear() override;
    void TimerStart(int intervalMs) override;
    void TimerStop() override;
    void ClipboardSetText(const std::string& text) override;
    std::string ClipboardText() override;
    void Quit() override;
    std::string SaveFileDialog(const std::string& title, const std::string& folder, const std::string& name,
                               const std::vector<std::string>& filters, int& filter) override;

    // The windows the dialog ids stand for, set by the main window.
    void SetDialog(DialogId id, PanelWindow* w) { dialogs_[static_cast<int>(id)] = w; }
    void SetAction(const std::string& id, QAction* a) { actions_[QString::fromStdString(id)] = a; }

private:
    QAction* Action(const std::string& id) const;
    MainWindow& main_;
    uint32_t background_ = 0;  // the board colour text is written on
    QHash<int, PanelWindow*> dialogs_;
    QHash<QString, QAction*> actions_;
};

// UTF-8 std::string <-> QString.
inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

// A core colour value (red in the low byte) as a QColor.
inline QColor ToQColor(uint32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

// A core surface as an opaque image (null when the surface is empty).
QImage ImageOfSurface(const Surface& s);
