// The common frame of the program's dialog windows: each shows one plain
// panel struct of the core. LoadFromPanel copies the panel into the widgets
// (signals blocked), StoreToPanel copies the widgets back; Call runs a core
// handler between the two, so the core never waits on a widget. Escape and
// the title bar's close button run the window's cancel handler.
#pragma once
#include <QBoxLayout>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <array>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

struct App;

class PanelWindow : public QDialog {
    Q_OBJECT
public:
    // `cancel` is the core's Cancel handler; without one the dialog just closes.
    PanelWindow(App& app, QWidget* parent, void (*cancel)(App&) = nullptr)
        : QDialog(parent), app_(app), cancel_(cancel) {}
    virtual void LoadFromPanel() = 0;
    virtual void StoreToPanel() = 0;
    // Puts the focus on a control named as the core names it ("TxtFName").
    virtual void FocusControl(const std::string& name) = 0;

public slots:
    void reject() override {
        if (cancel_) Call([this] { cancel_(app_); });
        else QDialog::reject();
    }

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
    // A row of entry fields from the panel's texts (signals blocked) and back.
    template <size_t N>
    static void LoadTexts(const std::array<QLineEdit*, N>& fields, const std::array<std::string, N>& texts) {
        for (size_t i = 0; i < N; ++i) {
            QSignalBlocker block(fields[i]);
            fields[i]->setText(QString::fromStdString(texts[i]));
        }
    }
    template <size_t N>
    static void StoreTexts(const std::array<QLineEdit*, N>& fields, std::array<std::string, N>& texts) {
        for (size_t i = 0; i < N; ++i) texts[i] = fields[i]->text().toStdString();
    }
    // Focuses the field named "<prefix>:<index>", its text selected.
    template <size_t N>
    static void FocusField(const std::array<QLineEdit*, N>& fields, const std::string& name, const std::string& prefix) {
        const int i = ControlIndex(name, prefix, static_cast<int>(N));
        if (i < 0) return;
        fields[static_cast<size_t>(i)]->selectAll();
        fields[static_cast<size_t>(i)]->setFocus(Qt::OtherFocusReason);
    }
    // Widgets to panel, the handler, then panel to widgets if still shown.
    void Call(const std::function<void()>& handler) {
        StoreToPanel();
        handler();
        if (isVisible()) LoadFromPanel();
    }
    App& app_;

private:
    void (*cancel_)(App&);
};
