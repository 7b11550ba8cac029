// The Printer Setup window: every rule is the core's (output/printsetup.h).
#include "ui/printsetwindow.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app.h"
#include "ui/qt_platform.h"

namespace {
// The notes keep their CR LF line breaks; a label breaks at LF.
QString Note(const char* text) { return Q(text).replace("\r\n", "\n").trimmed(); }
}  // namespace

PrintSetWindow::PrintSetWindow(App& app, QWidget* parent) : PanelWindow(app, parent, PrintSetCancel_Click) {
    setObjectName("PrintSet");
    setWindowTitle(kPrintSetCaption);
    auto* outer = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    for (int i = 0; i < kPrintSetFields; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString("Field_%1").arg(i));
        form->addRow(kPrintSetLabels[static_cast<size_t>(i)], box);
        fields_[static_cast<size_t>(i)] = box;
    }
    landscape_ = new QCheckBox(kPrintSetLandscape, this);
    landscape_->setObjectName("Landscape");
    outer->addWidget(landscape_);
    for (const char* text : {kPrintSetNoteScale, kPrintSetNoteOffset}) {
        auto* note = new QLabel(Note(text), this);
        note->setWordWrap(true);
        note->setFrameShape(QFrame::StyledPanel);
        note->setMaximumWidth(360);
        outer->addWidget(note);
    }
    AddButtons(outer, {{"Save Changes", PrintSetSave_Click}, {"Cancel", PrintSetCancel_Click}});
}

void PrintSetWindow::LoadFromPanel() {
    PrinterPanel& p = app_.printSetup;
    LoadTexts(fields_, p.Fields);
    landscape_->setChecked(p.Landscape);
    if (!p.Focus.empty()) {
        std::string focus = p.Focus;
        p.Focus.clear();
        FocusControl(focus);
    }
}

void PrintSetWindow::StoreToPanel() {
    PrinterPanel& p = app_.printSetup;
    StoreTexts(fields_, p.Fields);
    p.Landscape = landscape_->isChecked();
}

void PrintSetWindow::FocusControl(const std::string& name) {
    if (name == "Landscape") {
        landscape_->setFocus(Qt::OtherFocusReason);
        return;
    }
    FocusField(fields_, name, "Field");
}
