// The rectangular array window: every rule is the core's (editing/arrays.h).
#include "ui/rectarraywindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app.h"
#include "editing/arrays.h"
#include "ui/qt_platform.h"

RectArrayWindow::RectArrayWindow(App& app, QWidget* parent) : PanelWindow(app, parent, RectArrayCancel_Click) {
    setObjectName("RectArray");
    setWindowTitle("Rectangular Array Parameters");
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    const char* labels[3] = {"Number of Rows", "Number of Columns", "Cell Spacing X,Y"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(labels[i], this);
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("Text1_%1").arg(i));
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        fields_[static_cast<size_t>(i)] = box;
        if (i == 2) spacingLabel_ = label;
    }
    auto* frame = new QGroupBox("Dimensions", this);
    auto* options = new QHBoxLayout(frame);
    cell_ = new QRadioButton("Cell Spacing", frame);
    total_ = new QRadioButton("Total Array", frame);
    options->addWidget(cell_);
    options->addWidget(total_);
    outer->addWidget(frame);
    mouse_ = new QCheckBox("Enter Dimensions Using Mouse", this);
    outer->addWidget(mouse_);
    // The options name the spacing field; the mouse box takes it out of use.
    auto follow = [this] {
        spacingLabel_->setText(cell_->isChecked() ? "Cell Spacing X,Y" : "Total Array X,Y");
        spacingLabel_->setEnabled(!mouse_->isChecked());
        fields_[2]->setEnabled(!mouse_->isChecked());
    };
    connect(cell_, &QRadioButton::toggled, this, follow);
    connect(mouse_, &QCheckBox::toggled, this, follow);
    AddButtons(outer, {{"OK", RectArrayOK_Click}, {"Cancel", RectArrayCancel_Click}});
}

void RectArrayWindow::LoadFromPanel() {
    const RectArrayPanel& p = app_.arrays.Rect;
    LoadTexts(fields_, p.Text1);
    cell_->setChecked(p.CellSpacing);
    total_->setChecked(!p.CellSpacing);
    mouse_->setChecked(p.UseMouse);
    spacingLabel_->setText(p.CellSpacing ? "Cell Spacing X,Y" : "Total Array X,Y");
    spacingLabel_->setEnabled(!p.UseMouse);
    fields_[2]->setEnabled(!p.UseMouse);
}

void RectArrayWindow::StoreToPanel() {
    RectArrayPanel& p = app_.arrays.Rect;
    StoreTexts(fields_, p.Text1);
    p.CellSpacing = cell_->isChecked();
    p.UseMouse = mouse_->isChecked();
}

void RectArrayWindow::FocusControl(const std::string& name) { FocusField(fields_, name, "Text1"); }
