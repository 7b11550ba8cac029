// The common frame of the program's dialog windows: each shows one plain
// panel struct of the core. LoadFromPanel copies the panel into the widgets
// (signals blocked), StoreToPanel copies the widgets back; Call runs a core
// handler between the two, so the core never waits on a widget.
#pragma once
#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

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
    // A row of buttons at the bottom right, each running its core handler
    // through Call; Enter in a field presses none of them.
    void AddButtons(QBoxLayout* outer, std::initializer_list<std::pair<const char*, void (*)(App&)>> buttons) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        for (const auto& [caption, handler] : buttons) {
            auto* b = new QPushButton(caption, this);
            b->setAutoDefault(false);
            row->addWidget(b);
            auto* h = handler;
            connect(b, &QPushButton::clicked, this, [this, h] { Call([this, h] { h(app_); }); });
        }
        outer->addLayout(row);
    }
    // The index of a control named "<prefix>:<index>" (0..count-1), -1 for any other name.
    static int ControlIndex(const std::string& name, const std::string& prefix, int count) {
        if (name.compare(0, prefix.size() + 1, prefix + ":") != 0) return -1;
        const int i = std::atoi(name.c_str() + prefix.size() + 1);
        return i >= 0 && i < count ? i : -1;
    }
    // Widgets to panel, the handler, then panel to widgets if still shown.
    void Call(const std::function<void()>& handler) {
        StoreToPanel();
        handler();
        if (isVisible()) LoadFromPanel();
    }
    App& app_;
};
