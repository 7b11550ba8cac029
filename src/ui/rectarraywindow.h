// The rectangular array's panel window "Rectangular Array Parameters" over
// the core's RectArrayPanel: rows, columns, the spacing text with its label,
// the "Dimensions" options, the mouse check box, OK and Cancel.
#pragma once
#include <array>

#include "ui/panel_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class RectArrayWindow : public PanelWindow {
    Q_OBJECT
public:
    RectArrayWindow(App& app, QWidget* parent);
    void LoadFromPanel() override;
    void StoreToPanel() override;
    // "Text1:0" .. "Text1:2".
    void FocusControl(const std::string& name) override;

private:
    std::array<QLineEdit*, 3> fields_{};
    QLabel* spacingLabel_ = nullptr;
    QRadioButton* cell_ = nullptr;
    QRadioButton* total_ = nullptr;
    QCheckBox* mouse_ = nullptr;
};
