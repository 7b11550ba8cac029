// The dial designer window: fields in two columns beside the preview, the
// options and the buttons under them. Every rule is the core's
// (dial/designer.h); the window copies values to the panel and back.
#include "ui/dialwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "app.h"
#include "dial/designer.h"
#include "ui/qt_platform.h"

namespace {

constexpr int kPreviewWidth = 560;   // logical pixels of the preview area
constexpr int kPreviewHeight = 420;

// Entering a field selects its whole text.
class SelectingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        QTimer::singleShot(0, this, [this] { selectAll(); });
    }
};

}  // namespace

DialWindow::DialWindow(App& app, QWidget* parent) : PanelWindow(app, parent, DialCancel_Click) {
    setObjectName("DialDesigner");
    setWindowTitle("Dial & Meter Scale Design");
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top);

    // The fields in the order of the form: the scale, then the marks, then the numbers.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    top->addLayout(grid);
    const int rows[kDialFields][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 2}, {5, 0}, {5, 2}, {6, 0},
                                      {7, 0}, {8, 0}, {9, 0}, {10, 0}, {11, 0}, {4, 0}, {4, 2}};
    for (int i = 0; i < kDialFields; ++i) {
        auto* label = new QLabel(kDialFieldLabels[static_cast<size_t>(i)], this);
        auto* box = new SelectingEdit(this);
        box->setObjectName(QString("DialData%1").arg(i));
        box->setMaximumWidth(90);
        grid->addWidget(label, rows[i][0], rows[i][1]);
        grid->addWidget(box, rows[i][0], rows[i][1] + 1);
        fields_[static_cast<size_t>(i)] = box;
    }

    preview_ = new QLabel(this);
    preview_->setObjectName("DialPreview");
    preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
    preview_->setFrameShape(QFrame::Box);
    top->addWidget(preview_);
    // The core draws the preview in the area's device pixels.
    const double dpr = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1;
    const double dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    SurfaceResize(app_.dial.Preview, static_cast<int>(std::lround(kPreviewWidth * dpr)),
                  static_cast<int>(std::lround(kPreviewHeight * dpr)), dpi * dpr, 0xFFFFFFu);

    auto* frame = new QGroupBox("Numbers and Marks", this);
    auto* options = new QHBoxLayout(frame);
    outside_ = new QRadioButton("Outside of Arc", frame);
    inside_ = new QRadioButton("Inside of Arc", frame);
    options->addWidget(outside_);
    options->addWidget(inside_);
    outer->addWidget(frame);
    sideways_ = new QCheckBox("Numbers oriented for sideways meter.", this);
    outer->addWidget(sideways_);

    // The scale law: how the values spread over the arc.
    auto* laws = new QGridLayout;
    outer->addLayout(laws);
    law_ = new QComboBox(this);
    law_->setObjectName("DialLaw");
    for (const char* name : kDialLawNames) law_->addItem(name);
    lawValue_ = new SelectingEdit(this);
    lawValue_->setObjectName("DialLawValue");
    labels_ = new SelectingEdit(this);
    labels_->setObjectName("DialLabels");
    labels_->setPlaceholderText("e.g. -20, -10, -5, 0, 3  or  0, 10, 20, 50, inf");
    table_ = new SelectingEdit(this);
    table_->setObjectName("DialTable");
    table_->setPlaceholderText("value:percent, value:percent, ...");
    auto* load = new QPushButton("Load Table...", this);
    load->setAutoDefault(false);
    laws->addWidget(new QLabel("Scale Law", this), 0, 0);
    laws->addWidget(law_, 0, 1);
    laws->addWidget(new QLabel("Law Value", this), 0, 2);
    laws->addWidget(lawValue_, 0, 3);
    laws->addWidget(new QLabel("Labelled Values", this), 1, 0);
    laws->addWidget(labels_, 1, 1, 1, 3);
    laws->addWidget(new QLabel("Calibration Table", this), 2, 0);
    laws->addWidget(table_, 2, 1, 1, 2);
    laws->addWidget(load, 2, 3);
    sameCentre_ = new QCheckBox("Same centre as the last dial", this);
    sameCentre_->setObjectName("DialSameCentre");
    outer->addWidget(sameCentre_);
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Load Table", QString(),
                                                          "Calibration tables (*.csv *.txt);;All files (*)", nullptr,
                                                          QFileDialog::DontUseNativeDialog);
        if (!path.isEmpty()) Call([this, path] { DialLoadTable(app_, S(path)); });
    });

    AddButtons(outer, {{"Preview Scale Layout", DialPreview_Click},
                       {"Transfer To Drawing", DialToDrawing_Click},
                       {"Cancel", DialCancel_Click}});
}

void DialWindow::LoadFromPanel() {
    const DialPanel& p = app_.dial;
    LoadTexts(fields_, p.DialData);
    outside_->setChecked(p.Outside);
    inside_->setChecked(!p.Outside);
    sideways_->setChecked(p.Sideways);
    {
        QSignalBlocker block(law_);
        law_->setCurrentIndex(p.Law >= 0 && p.Law < kDialLaws ? p.Law : 0);
    }
    lawValue_->setText(Q(p.LawValue));
    labels_->setText(Q(p.Labels));
    table_->setText(Q(p.Table));
    sameCentre_->setChecked(p.SameCentre);
    QImage img = ImageOfSurface(p.Preview);
    if (!img.isNull()) {
        img.setDevicePixelRatio(devicePixelRatioF());
        preview_->setPixmap(QPixmap::fromImage(img));
    }
}

void DialWindow::StoreToPanel() {
    DialPanel& p = app_.dial;
    StoreTexts(fields_, p.DialData);
    p.Outside = outside_->isChecked();
    p.Sideways = sideways_->isChecked();
    p.Law = law_->currentIndex();
    p.LawValue = S(lawValue_->text());
    p.Labels = S(labels_->text());
    p.Table = S(table_->text());
    p.SameCentre = sameCentre_->isChecked();
}

void DialWindow::FocusControl(const std::string& name) { FocusField(fields_, name, "DialData"); }
