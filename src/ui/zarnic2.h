// The dialog window Zarnic2 with its Default Settings page: labels Text3,
// entry boxes Text4, lists List4 and the check box ChRevert over the core's
// DefaultsPanel. Made hidden by the main window; shown, synced and focused
// through the platform; its buttons run the core's handlers.
#pragma once
#include <QHash>
#include <string>

#include "ui/panel_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Zarnic2Window : public PanelWindow {
    Q_OBJECT
public:
    Zarnic2Window(App& app, QWidget* parent);
    void LoadFromPanel() override;
    void StoreToPanel() override;
    // "Text4:17", "List4:0" or "ChRevert".
    void FocusControl(const std::string& name) override;

private:
    void AddBox(int row, int column, int label, int index, int span = 1);
    void AddList(int row, int column, int label, int index);
    void AddWideBox(int row, int label, int index);

    class QGridLayout* grid_ = nullptr;
    QHash<int, QLabel*> labels_;       // Text3 by index
    QHash<int, QLineEdit*> boxes_;     // Text4 by index
    QHash<int, QComboBox*> lists_;     // List4 by index
    QCheckBox* revert_ = nullptr;      // ChRevert
    QPushButton* save_ = nullptr;      // "Save Changes"
    QPushButton* cancel_ = nullptr;    // "Cancel"
};
