// A window system with no window: it shows nothing, asks nothing (every
// message box answers OK, or No for a question) and measures text as 100
// twips a character. Used by the build-time tools and the benchmarks, which
// run the program's own procedures without a screen.
#pragma once
#include "platform/platform.h"

class NullPlatform : public Platform {
public:
    MsgAnswer MsgBox(const std::string&, MsgButtons b, MsgIcon, const std::string&) override {
        ++messages;
        return b == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::No;
    }
    void SetCaption(const std::string&) override {}
    void MenuSetChecked(const std::string&, bool) override {}
    void MenuSetEnabled(const std::string&, bool) override {}
    void MenuSetVisible(const std::string&, bool) override {}
    void MenuSetCaption(const std::string&, const std::string&) override {}
    void SurfaceText(Surface&, double, double, const std::string&, uint32_t) override {}
    double TextWidth(const std::string& t) override { return 100.0 * static_cast<double>(t.size()); }
    void SurfaceChanged() override {}
    void SetWindowColors(uint32_t, uint32_t) override {}
    void InputBoxShow(double, double, double, double, const std::string&) override {}
    void InputBoxHide() override {}
    std::string InputBoxText() override { return ""; }
    void InputBoxSetText(const std::string&) override {}
    bool InputBoxVisible() override { return false; }
    void FocusInputBox() override {}
    void ShowControl(const std::string&, const ControlBox&) override {}
    void FocusKeyCatcher() override {}
    void ShowDialog(DialogId, bool) override {}
    void SyncDialog(DialogId) override {}
    void FocusDialog(DialogId, const std::string&) override {}
    void ClipboardClear() override {}
    void Quit() override {}

    int messages = 0;  // message boxes asked for
};
