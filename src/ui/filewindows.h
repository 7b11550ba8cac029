// The program's own file dialogs: OpenF (Open, Open Backup, Insert) and
// SaveAs, each a drive list, a folder list, a file list and a name box over
// one FilePanel of the core. Made hidden by the main window; shown, synced
// and focused through the platform; every rule is the core's handlers'.
#pragma once
#include <functional>
#include <string>

#include "ui/panel_window.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
struct FilePanel;

// The widgets and the copying both ways, shared by the two dialogs.
class FileWindow : public PanelWindow {
    Q_OBJECT
public:
    FileWindow(App& app, QWidget* parent, const char* objectName, const char* title, const char* okCaption);
    void LoadFromPanel() override;
    void StoreToPanel() override;
    // "TxtFName" or "File1".
    void FocusControl(const std::string& name) override;

    QComboBox* drives() const { return drives_; }
    QListWidget* folders() const { return folders_; }
    QListWidget* files() const { return files_; }
    QLineEdit* name() const { return name_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    virtual FilePanel& Panel() const = 0;
    // A core handler between the copies; calls made while one runs (focus
    // changes under a message box) are dropped. Hides the window when the
    // handler left the panel hidden.
    void Run(const std::function<void()>& handler);
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // Enter in the file list; leaving the name box.
    virtual void FileListEnter() = 0;
    virtual void NameLostFocus() {}

    QComboBox* drives_ = nullptr;     // Drive1
    QListWidget* folders_ = nullptr;  // Dir1
    QListWidget* files_ = nullptr;    // File1
    QLineEdit* name_ = nullptr;       // TxtFName
    QPushButton* ok_ = nullptr;       // "Open" or "Save"
    QPushButton* cancel_ = nullptr;   // "Cancel"

private:
    void CentreOverDrawingArea();
    bool busy_ = false;
};

class OpenFWindow : public FileWindow {
    Q_OBJECT
public:
    OpenFWindow(App& app, QWidget* parent);

public slots:
    // Escape and the title bar's close button: the same as "Cancel".
    void reject() override;

protected:
    FilePanel& Panel() const override;
    void FileListEnter() override;
    void NameLostFocus() override;
};

class SaveAsWindow : public FileWindow {
    Q_OBJECT
public:
    SaveAsWindow(App& app, QWidget* parent);

public slots:
    void reject() override;

protected:
    FilePanel& Panel() const override;
    void FileListEnter() override;
};
