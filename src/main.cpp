// Zarnic's entry: the Qt application, the data folder, the main window.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "model/datafolder.h"
#include "ui/mainwindow.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("zarnic");
    // The data folder is the program's own folder. An installed copy keeps
    // its data in ../share/zarnic and works in the per-user folder instead.
    QString programFolder = QApplication::applicationDirPath();
    QString installed = QDir(programFolder).absoluteFilePath("../share/zarnic");
    std::string seed = programFolder.toStdString();
    if (!FolderWritable(seed + "/") && QDir(installed).exists()) seed = QDir(installed).canonicalPath().toStdString();
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    std::string dataFolder = ChooseDataFolder(seed, user.toStdString());
    MainWindow w(dataFolder);
    w.show();
    return qapp.exec();
}
