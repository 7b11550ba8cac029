// The Printer Setup window over the core's PrinterPanel: the four fields,
// the "Landscape Mode" check box, the two notes, "Save Changes" and "Cancel".
#pragma once
#include <array>

#include "output/printsetup.h"
#include "ui/panel_window.h"

class QCheckBox;
class QLineEdit;

class PrintSetWindow : public PanelWindow {
    Q_OBJECT
public:
    PrintSetWindow(App& app, QWidget* parent);
    void LoadFromPanel() override;
    void StoreToPanel() override;
    // "Field:0" .. "Field:3", "Landscape".
    void FocusControl(const std::string& name) override;

private:
    std::array<QLineEdit*, kPrintSetFields> fields_{};
    QCheckBox* landscape_ = nullptr;
};
