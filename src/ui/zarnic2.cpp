// The Default Settings window: a grid of labelled boxes and lists in two
// columns, the wide folder boxes, the line-type check box and the two
// buttons. It copies the core's DefaultsPanel to the widgets and back, and
// leaves every rule to DefaultChange_Click and DefaultClose_Click.
#include "ui/zarnic2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>

#include "app.h"
#include "commands/defaults_dialog.h"
#include "ui/qt_platform.h"

namespace {

constexpr int kLeft = 0;    // label column of the left half; its control is next to it
constexpr int kRight = 2;   // label column of the right half
constexpr int kSnapListLabel = 8;  // the snap list's label (index 19 is the path box's)

}  // namespace

Zarnic2Window::Zarnic2Window(App& app, QWidget* parent) : PanelWindow(app, parent, DefaultClose_Click) {
    setObjectName("Zarnic2");
    setWindowTitle("Default Settings");
    auto* outer = new QVBoxLayout(this);
    grid_ = new QGridLayout;
    grid_->setHorizontalSpacing(12);
    grid_->setColumnStretch(1, 1);
    grid_->setColumnStretch(3, 1);
    outer->addLayout(grid_);

    // Left half: colours, font and shape, plot scale.
    AddList(0, kLeft, 0, 0);
    AddList(1, kLeft, 1, 1);
    AddList(2, kLeft, 2, 2);
    AddList(3, kLeft, 3, 3);
    AddBox(4, kLeft, 4, 4);
    AddBox(5, kLeft, 5, 5);
    AddBox(6, kLeft, 6, 6);
    AddBox(7, kLeft, 7, 7);
    AddBox(8, kLeft, 9, 9);
    // Right half: text, hidden pattern, grid, limits, snap.
    AddBox(0, kRight, 11, 11);
    AddBox(1, kRight, 12, 12);
    AddBox(2, kRight, 13, 13);
    AddBox(3, kRight, 14, 14);
    AddList(4, kRight, 15, 15);
    AddBox(5, kRight, 16, 16);
    AddBox(6, kRight, 17, 17);
    AddBox(7, kRight, 18, 18);
    AddList(8, kRight, kSnapListLabel, 19);
    // The folders take the whole width.
    AddWideBox(9, 10, 10);
    AddWideBox(10, 19, 19);

    revert_ = new QCheckBox("Line Type reverts to solid after drawing one hidden line.", this);
    revert_->setObjectName("ChRevert");
    outer->addWidget(revert_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    save_ = new QPushButton("Save Changes", this);
    save_->setObjectName("DefaultChange");
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("DefaultClose");
    // Enter in a box does not save: only the button does.
    save_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    outer->addLayout(buttons);

    connect(save_, &QPushButton::clicked, this, [this] { Call([this] { DefaultChange_Click(app_); }); });
    connect(cancel_, &QPushButton::clicked, this, [this] { Call([this] { DefaultClose_Click(app_); }); });
}

void Zarnic2Window::AddBox(int row, int column, int label, int index, int span) {
    auto* l = new QLabel(this);
    l->setObjectName(QString("Text3_%1").arg(label));
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Text4_%1").arg(index));
    l->setBuddy(box);
    grid_->addWidget(l, row, column);
    grid_->addWidget(box, row, column + 1, 1, span);
    labels_[label] = l;
    boxes_[index] = box;
}

void Zarnic2Window::AddList(int row, int column, int label, int index) {
    auto* l = new QLabel(this);
    l->setObjectName(QString("Text3_%1").arg(label));
    auto* list = new QComboBox(this);
    list->setObjectName(QString("List4_%1").arg(index));
    l->setBuddy(list);
    grid_->addWidget(l, row, column);
    grid_->addWidget(list, row, column + 1);
    labels_[label] = l;
    lists_[index] = list;
}

void Zarnic2Window::AddWideBox(int row, int label, int index) { AddBox(row, kLeft, label, index, 3); }

void Zarnic2Window::LoadFromPanel() {
    DefaultsPanel& p = app_.zarnic2;
    if (!p.Caption.empty()) setWindowTitle(Q(p.Caption));
    for (auto it = labels_.begin(); it != labels_.end(); ++it) it.value()->setText(Q(p.Text3[it.key()]));
    for (auto it = boxes_.begin(); it != boxes_.end(); ++it) {
        QSignalBlocker block(it.value());
        it.value()->setText(Q(p.Text4[it.key()]));
    }
    for (auto it = lists_.begin(); it != lists_.end(); ++it) {
        QComboBox* list = it.value();
        QSignalBlocker block(list);
        QStringList items;
        for (const std::string& s : p.List4Items[it.key()]) items << Q(s);
        QStringList shown;
        for (int k = 0; k < list->count(); ++k) shown << list->itemText(k);
        if (shown != items) {
            list->clear();
            list->addItems(items);
        }
        // A text the list does not offer leaves the choice as it was.
        int k = list->findText(Q(p.List4[it.key()]));
        if (k >= 0) list->setCurrentIndex(k);
    }
    {
        QSignalBlocker block(revert_);
        revert_->setChecked(p.ChRevert);
    }
    if (!p.Focus.empty()) {
        std::string focus = p.Focus;
        p.Focus.clear();
        FocusControl(focus);
    }
}

void Zarnic2Window::StoreToPanel() {
    DefaultsPanel& p = app_.zarnic2;
    for (auto it = boxes_.begin(); it != boxes_.end(); ++it) p.Text4[it.key()] = S(it.value()->text());
    for (auto it = lists_.begin(); it != lists_.end(); ++it) p.List4[it.key()] = S(it.value()->currentText());
    p.ChRevert = revert_->isChecked();
}

void Zarnic2Window::FocusControl(const std::string& name) {
    QWidget* target = nullptr;
    size_t colon = name.find(':');
    if (name == "ChRevert") {
        target = revert_;
    } else if (colon != std::string::npos) {
        bool ok = false;
        int index = Q(name.substr(colon + 1)).toInt(&ok);
        std::string kind = name.substr(0, colon);
        if (ok && kind == "Text4") {
            if (QLineEdit* box = boxes_.value(index, nullptr)) {
                box->selectAll();
                target = box;
            }
        } else if (ok && kind == "List4") {
            target = lists_.value(index, nullptr);
        }
    }
    if (target) target->setFocus(Qt::OtherFocusReason);
}
