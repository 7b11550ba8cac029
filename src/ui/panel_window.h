// The common frame of the program's dialog windows: each shows one plain
// panel struct of the core. LoadFromPanel copies the panel into the widgets
// (signals blocked), StoreToPanel copies the widgets back; Call runs a core
// handler between the two, so the core never waits on a widget.
#pragma once
#include <QDialog>
#include <functional>
#include <string>

struct App;

class PanelWindow : public QDialog {
    Q_OBJECT
public:
    PanelWindow(App& app, QWidget* parent) : QDialog(parent), app_(app) {}
    virtual void LoadFromPanel() = 0;
    virtual void StoreToPanel() = 0;
    // Puts the focus on a control named as the core names it ("TxtFName").
    virtual void FocusControl(const std::string& name) = 0;

protected:
    // Widgets to panel, the handler, then panel to widgets if still shown.
    void Call(const std::function<void()>& handler) {
        StoreToPanel();
        handler();
        if (isVisible()) LoadFromPanel();
    }
    App& app_;
};
