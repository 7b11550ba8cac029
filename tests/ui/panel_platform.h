// A small Platform for the Qt window tests: it records messages, the caption
// and focus requests, and shows, syncs and focuses the dialog windows it is
// given the way the program's own platform does.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/null_platform.h"
#include "ui/panel_window.h"

// The window-less platform, with the messages, the caption and the dialogs recorded.
class PanelTestPlatform : public NullPlatform {
public:
    MsgAnswer MsgBox(const std::string& text, MsgButtons b, MsgIcon, const std::string&) override {
        messages.push_back(text);
        return b == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::No;
    }
    void SetCaption(const std::string& c) override { caption = c; }
    void ShowDialog(DialogId id, bool visible) override {
        PanelWindow* w = Window(id);
        if (!w) return;
        if (visible) {
            w->LoadFromPanel();
            w->show();
        } else {
            w->hide();
        }
    }
    void SyncDialog(DialogId id) override {
        if (PanelWindow* w = Window(id); w && w->isVisible()) w->LoadFromPanel();
    }
    void FocusDialog(DialogId id, const std::string& control) override {
        focused = control;
        if (PanelWindow* w = Window(id)) w->FocusControl(control);
    }

    PanelWindow* Window(DialogId id) const {
        auto it = windows.find(id);
        return it == windows.end() ? nullptr : it->second;
    }

    std::map<DialogId, PanelWindow*> windows;   // the windows under test
    std::vector<std::string> messages;          // message texts shown
    std::string caption;                        // caption set last
    std::string focused;                        // control focused last
};
