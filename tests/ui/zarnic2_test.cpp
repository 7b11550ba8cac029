// The Default Settings window: the panel copied to the widgets and back,
// Save Changes refused with the window still shown, Cancel and the title
// bar's close button hiding it. Runs on a small recording platform that
// shows and hides the window the way the program's platform does.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "app.h"
#include "commands/defaults_dialog.h"
#include "commands/shell.h"
#include "model/messages.h"
#include "ui/zarnic2.h"
#include "panel_platform.h"
#include "ui_tests.h"


class Zarnic2Test : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    std::unique_ptr<PanelTestPlatform> platform_;
    std::unique_ptr<App> app_;
    std::unique_ptr<Zarnic2Window> w_;

    QLineEdit* Box(int i) { return w_->findChild<QLineEdit*>(QString("Text4_%1").arg(i)); }
    QComboBox* List(int i) { return w_->findChild<QComboBox*>(QString("List4_%1").arg(i)); }
    std::string DefaultsPath() { return app_->set.DataFolder + kDefaultsFileName; }

private slots:
    void init() {
        platform_ = std::make_unique<PanelTestPlatform>();
        app_ = std::make_unique<App>(*platform_);
        app_->set.DataFolder = dir_.path().toStdString() + "/";
        // The shape list that Save Changes rebuilds wants drawings in the folder.
        QDir font(QString(ZARNIC_FIXTURES) + "font");
        for (const QString& f : font.entryList(QDir::Files)) QFile::copy(font.filePath(f), dir_.filePath(f));
        w_ = std::make_unique<Zarnic2Window>(*app_, nullptr);
        platform_->windows[DialogId::Zarnic2] = w_.get();
        ReadDefaults(*app_);      // writes the factory file into the folder
        DefaultBox_Click(*app_);  // fills the panel and shows the window
        QVERIFY(w_->isVisible());
    }
    void cleanup() {
        QFile::remove(QString::fromStdString(DefaultsPath()));
        w_.reset();
        app_.reset();
        platform_.reset();
    }

    void widgetsShowThePanel() {
        QCOMPARE(w_->windowTitle(), QString("Default Settings"));
        QCOMPARE(w_->findChild<QLabel*>("Text3_0")->text(), QString("Board Color"));
        QCOMPARE(w_->findChild<QLabel*>("Text3_19")->text(), QString("Drawing File Path"));
        QCOMPARE(Box(17)->text(), QString("-5,-3"));
        QCOMPARE(Box(12)->text(), QString("0.12"));
        QCOMPARE(List(0)->count(), 2);
        QCOMPARE(List(2)->count(), 8);
        QCOMPARE(List(1)->currentText(), QString("Black or White"));
        QCOMPARE(List(19)->currentText(), QString("Both"));
        QVERIFY(w_->findChild<QCheckBox*>("ChRevert")->isChecked());
    }

    void panelRoundTrips() {
        DefaultsPanel& p = app_->zarnic2;
        p.Text4[4] = "G-";
        p.Text4[16] = "8,6";
        p.Text4[19] = "/srv/dwg/";
        p.List4[0] = "White";
        p.List4[2] = "Magenta";
        p.List4[15] = "Off";
        p.List4[19] = "Y Only";
        p.ChRevert = false;
        DefaultsPanel before = p;
        w_->LoadFromPanel();
        QCOMPARE(Box(4)->text(), QString("G-"));
        QCOMPARE(List(2)->currentText(), QString("Magenta"));
        QVERIFY(!w_->findChild<QCheckBox*>("ChRevert")->isChecked());
        // Scramble the panel; the widgets give every value back.
        p.Text4 = {};
        p.List4 = {};
        p.ChRevert = true;
        w_->StoreToPanel();
        QVERIFY(p.Text4 == before.Text4);
        QVERIFY(p.List4 == before.List4);
        QCOMPARE(p.ChRevert, false);

        // And the other way: what the user types reaches the panel.
        Box(18)->setText("0.25");
        List(19)->setCurrentText("X Only");
        w_->StoreToPanel();
        QCOMPARE(QString::fromStdString(p.Text4[18]), QString("0.25"));
        QCOMPARE(QString::fromStdString(p.List4[19]), QString("X Only"));
    }

    void badLimitsKeepTheWindowShown() {
        Box(17)->setText("10,5");
        Box(16)->setText("0,0");
        QTest::mouseClick(w_->findChild<QPushButton*>("DefaultChange"), Qt::LeftButton);
        QVERIFY(w_->isVisible());
        QCOMPARE(platform_->messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(platform_->messages[0]), QString(kMsgLimitsOrder));
        QCOMPARE(QString::fromStdString(platform_->focused), QString("Text4:17"));
        // The typed texts stay for the user to mend.
        QCOMPARE(Box(17)->text(), QString("10,5"));
        QCOMPARE(app_->dwg.LimLLX, -5.0);
    }

    void saveChangesAppliesAndHides() {
        Box(11)->setText("0.2");
        QTest::mouseClick(w_->findChild<QPushButton*>("DefaultChange"), Qt::LeftButton);
        QVERIFY(!w_->isVisible());
        QVERIFY(platform_->messages.empty());
        QCOMPARE(app_->dwg.TextHeight, 0.2);
        QVERIFY(!app_->zarnic2.Visible);
    }

    void cancelAndCloseHide() {
        Box(11)->setText("9");
        QTest::mouseClick(w_->findChild<QPushButton*>("DefaultClose"), Qt::LeftButton);
        QVERIFY(!w_->isVisible());
        QCOMPARE(app_->dwg.TextHeight, 0.1);

        DefaultBox_Click(*app_);
        QVERIFY(w_->isVisible());
        w_->close();  // the title bar's X
        QVERIFY(!w_->isVisible());
        QVERIFY(!app_->zarnic2.Visible);
    }
};

int RunZarnic2Tests(int argc, char** argv) {
    Zarnic2Test t;
    return QTest::qExec(&t, argc, argv);
}

#include "zarnic2_test.moc"
