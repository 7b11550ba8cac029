// The open and Save As windows: the panel shown in the widgets, typing and
// Enter in the name box, the buttons, a double-clicked file, the title bar's
// close button as Cancel, and the window centred over the drawing area. Runs
// on a small recording platform that shows and hides the two windows.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "app.h"
#include "commands/filedialogs.h"
#include "commands/files.h"
#include "commands/shell.h"
#include "model/messages.h"
#include "ui/filewindows.h"
#include "panel_platform.h"
#include "ui_tests.h"

namespace {


const char* kOneCircle =
    "Shape File Prefix\r\nSc\r\nFont File\r\nSchematic.fnt\r\nLimits\r\n0\r\n0\r\n11\r\n8.5\r\nGrid\r\nTrue\r\n"
    "0.1\r\nSnap Non Ortho\r\n3\r\n0.05,0.05\r\nZoom\r\n80.5\r\nPan\r\n40\r\n-25\r\nPlot Scale\r\n1\r\n"
    "Start Text Height\r\n0.125\r\nHidden Line\r\n0.1\r\n0.05\r\n1\r\nCircle\r\n1\r\n1\r\n0.5\r\n2\r\n3\r\n1\r\n"
    "1\r\n1.5\r\n2.5\r\n2.5\r\n3.5\r\n";

void Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

}  // namespace

class FileWindowsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    std::unique_ptr<PanelTestPlatform> platform_;
    std::unique_ptr<App> app_;
    std::unique_ptr<QMainWindow> main_;
    OpenFWindow* open_ = nullptr;
    SaveAsWindow* save_ = nullptr;
    std::string folder_;

    int Row(QListWidget* list, const char* text) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == text) return i;
        return -1;
    }

private slots:
    void init() {
        folder_ = dir_.path().toStdString() + "/";
        std::filesystem::remove(folder_ + kRecentFileName);
        Write(folder_ + "amp.dwg", kOneCircle);
        Write(folder_ + "Bass.dwg", kOneCircle);
        Write(folder_ + "notes.txt", "x");
        std::filesystem::create_directories(folder_ + "sub");
        platform_ = std::make_unique<PanelTestPlatform>();
        app_ = std::make_unique<App>(*platform_);
        main_ = std::make_unique<QMainWindow>();
        main_->setCentralWidget(new QWidget(main_.get()));
        main_->resize(900, 700);
        main_->move(100, 50);
        main_->show();
        open_ = new OpenFWindow(*app_, main_.get());
        save_ = new SaveAsWindow(*app_, main_.get());
        platform_->windows[DialogId::OpenF] = open_;
        platform_->windows[DialogId::SaveAs] = save_;
        Form_Load(*app_, folder_, 12000, 8000);
        app_->dwg.DwgPath = folder_;
    }
    void cleanup() {
        main_.reset();
        app_.reset();
        platform_.reset();
    }

    void openShowsThePanel() {
        Open_Click(*app_);
        QVERIFY(open_->isVisible());
        QCOMPARE(open_->windowTitle(), QString("Open"));
        QCOMPARE(open_->files()->count(), 2);
        QCOMPARE(open_->files()->item(0)->text(), QString("amp.dwg"));
        QCOMPARE(open_->files()->item(1)->text(), QString("Bass.dwg"));
        QVERIFY(open_->drives()->count() >= 1);
        QCOMPARE(open_->drives()->itemText(0), QString("/"));
        bool sub = false;
        for (int i = 0; i < open_->folders()->count(); ++i)
            sub |= open_->folders()->item(i)->data(Qt::UserRole).toString() == QString::fromStdString(folder_ + "sub/");
        QVERIFY(sub);
        QCOMPARE(open_->folders()->currentItem()->data(Qt::UserRole).toString(), QString::fromStdString(folder_));
        // Over the middle of the drawing area.
        QPoint c = main_->centralWidget()->mapToGlobal(main_->centralWidget()->rect().center());
        QVERIFY(std::abs(open_->geometry().center().x() - c.x()) <= 2);
        QVERIFY(std::abs(open_->geometry().center().y() - c.y()) <= 2);
    }

    void clickPutsTheNameInTheBoxAndDoubleClickReads() {
        Open_Click(*app_);
        QListWidget* files = open_->files();
        int row = Row(files, "Bass.dwg");
        QVERIFY(row >= 0);
        QRect r = files->visualItemRect(files->item(row));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(open_->name()->text(), QString("Bass.dwg"));
        QCOMPARE(open_->name()->selectedText(), QString("Bass.dwg"));
        QVERIFY(open_->isVisible());
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(!open_->isVisible());
        QCOMPARE(QString::fromStdString(app_->dwg.DwgName), QString("Bass.dwg"));
        QCOMPARE(int(app_->dwg.ObjNext), 2);
    }

    void typedNameAndEnterReads() {
        Open_Click(*app_);
        open_->name()->clear();
        QTest::keyClicks(open_->name(), "amp");
        QTest::keyClick(open_->name(), Qt::Key_Return);
        QVERIFY(!open_->isVisible());
        QCOMPARE(QString::fromStdString(app_->dwg.DwgName), QString("amp.dwg"));
        QVERIFY(platform_->messages.empty());

        Open_Click(*app_);
        open_->name()->setText("nothere");
        QTest::mouseClick(open_->okButton(), Qt::LeftButton);
        QVERIFY(open_->isVisible());
        QCOMPARE(platform_->messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(platform_->messages[0]), QString(kMsgFileNotFound));
    }

    void closingTheOpenWindowIsCancel() {
        app_->dwg.DwgName = "mine.dwg";
        Open_Click(*app_);
        QListWidget* files = open_->files();
        QRect r = files->visualItemRect(files->item(0));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(QString::fromStdString(app_->dwg.DwgName), QString("amp.dwg"));
        open_->close();
        QVERIFY(!open_->isVisible());
        QCOMPARE(QString::fromStdString(app_->dwg.DwgName), QString("mine.dwg"));
    }

    void saveAsTypingAndSave() {
        // An unnamed drawing and an empty box: the name is asked for.
        Save_As_Click(*app_);
        save_->name()->clear();
        QTest::mouseClick(save_->okButton(), Qt::LeftButton);
        QVERIFY(save_->isVisible());
        QCOMPARE(platform_->messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(platform_->messages.back()), QString(kMsgPutName));

        Save_As_Click(*app_);
        QVERIFY(save_->isVisible());
        QCOMPARE(save_->windowTitle(), QString("Save As"));
        save_->name()->clear();
        QTest::keyClicks(save_->name(), "fresh");
        QCOMPARE(QString::fromStdString(app_->dwg.DwgName), QString("fresh.dwg"));
        QTest::mouseClick(save_->okButton(), Qt::LeftButton);
        QVERIFY(!save_->isVisible());
        QVERIFY(std::filesystem::exists(folder_ + "fresh.dwg"));

        Save_As_Click(*app_);
        QCOMPARE(save_->name()->text(), QString("fresh.dwg"));
        save_->name()->clear();
        QTest::keyClicks(save_->name(), "other");
        save_->close();  // the title bar's X
        QVERIFY(!save_->isVisible());
        QCOMPARE(QString::fromStdString(app_->dwg.DwgName), QString("fresh.dwg"));
        QVERIFY(!std::filesystem::exists(folder_ + "other.dwg"));
    }

    void enteringAFolderListsIt() {
        Write(folder_ + "sub/inner.dwg", kOneCircle);
        Open_Click(*app_);
        QListWidget* folders = open_->folders();
        int row = -1;
        for (int i = 0; i < folders->count(); ++i)
            if (folders->item(i)->data(Qt::UserRole).toString() == QString::fromStdString(folder_ + "sub/")) row = i;
        QVERIFY(row >= 0);
        folders->setCurrentRow(row);
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(open_->files()->count(), 1);
        QCOMPARE(open_->files()->item(0)->text(), QString("inner.dwg"));
    }
};

int RunFileWindowsTests(int argc, char** argv) {
    FileWindowsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "filewindows_test.moc"
