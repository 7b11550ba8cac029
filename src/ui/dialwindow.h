// The dial designer's window over the core's DialPanel: the 15 labelled
// fields, the "Numbers and Marks" options, the sideways check box, the
// preview area that shows the panel's preview picture, and the three
// buttons, each running the core's handler.
#pragma once
#include <array>

#include "ui/panel_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class DialWindow : public PanelWindow {
    Q_OBJECT
public:
    DialWindow(App& app, QWidget* parent);
    void LoadFromPanel() override;
    void StoreToPanel() override;
    // "DialData:0" .. "DialData:14".
    void FocusControl(const std::string& name) override;
    QLineEdit* Field(int i) const { return fields_[static_cast<size_t>(i)]; }

private:
    std::array<QLineEdit*, 15> fields_{};
    QRadioButton* outside_ = nullptr;
    QRadioButton* inside_ = nullptr;
    QCheckBox* sideways_ = nullptr;
    QLabel* preview_ = nullptr;
    class QComboBox* law_ = nullptr;      // "Scale Law"
    QLineEdit* lawValue_ = nullptr;       // "Law Value"
    QLineEdit* labels_ = nullptr;         // "Labelled Values"
    QLineEdit* table_ = nullptr;          // "Calibration Table"
    QCheckBox* sameCentre_ = nullptr;     // "Same centre as the last dial"
};
