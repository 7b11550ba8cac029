// The animation window: every rule is the core's (editing/arrays.h).
#include "ui/animwindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app.h"
#include "editing/arrays.h"
#include "ui/qt_platform.h"

AnimWindow::AnimWindow(App& app, QWidget* parent) : PanelWindow(app, parent, AnimCancel_Click) {
    setObjectName("Anim");
    setWindowTitle("Animated Rotation Parameters");
    auto* outer = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    const char* labels[4] = {"Angle Step (Degrees)", "Time/Step (Seconds)", "Center Point (X,Y)",
                             "Stop When Total Angle ="};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(labels[i], this);
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("Text2_%1").arg(i));
        grid->addWidget(label, i, 0);
        grid->addWidget(box, i, 1);
        fields_[static_cast<size_t>(i)] = box;
        if (i == 2) centreLabel_ = label;
    }
    override_ = new QCheckBox("Override Center Point Mouse Click.", this);
    outer->addWidget(override_);
    // The centre field is usable only while the override is set.
    connect(override_, &QCheckBox::toggled, this, [this](bool on) {
        centreLabel_->setEnabled(on);
        fields_[2]->setEnabled(on);
    });
    AddButtons(outer, {{"OK", AnimOK_Click}, {"Cancel", AnimCancel_Click}});
}

void AnimWindow::LoadFromPanel() {
    const AnimPanel& p = app_.arrays.Anim;
    LoadTexts(fields_, p.Text2);
    override_->setChecked(p.Check3);
    centreLabel_->setEnabled(p.Check3);
    fields_[2]->setEnabled(p.Check3);
}

void AnimWindow::StoreToPanel() {
    AnimPanel& p = app_.arrays.Anim;
    StoreTexts(fields_, p.Text2);
    p.Check3 = override_->isChecked();
}

void AnimWindow::FocusControl(const std::string& name) { FocusField(fields_, name, "Text2"); }
