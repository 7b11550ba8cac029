// The animated rotation's panel window "Animated Rotation Parameters" over
// the core's AnimPanel: angle step, time per step, centre, stop angle, the
// centre override check box, OK and Cancel.
#pragma once
#include <array>

#include "ui/panel_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class AnimWindow : public PanelWindow {
    Q_OBJECT
public:
    AnimWindow(App& app, QWidget* parent);
    void LoadFromPanel() override;
    void StoreToPanel() override;
    // "Text2:0" .. "Text2:3".
    void FocusControl(const std::string& name) override;

private:
    std::array<QLineEdit*, 4> fields_{};
    QLabel* centreLabel_ = nullptr;
    QCheckBox* override_ = nullptr;
};
