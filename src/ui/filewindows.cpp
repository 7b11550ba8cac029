// The open and Save As windows: a drive list over a folder list, the file
// list, the name box and two buttons. They copy the core's FilePanel into
// the widgets and back and route every click, key and focus change to the
// core's OpenF_... and SaveAs_... handlers (commands/filedialogs.h).
#include "ui/filewindows.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app.h"
#include "commands/filedialogs.h"
#include "ui/qt_platform.h"

namespace {

// The last part of a folder text ending in kSep ("/" for the root).
QString FolderWord(const std::string& folder) {
    if (folder.size() <= 1) return Q(folder);
    std::string f = folder.substr(0, folder.size() - 1);
    return Q(f.substr(f.rfind(kSep) + 1));
}

int Depth(const std::string& folder) {
    return static_cast<int>(std::count(folder.begin(), folder.end(), kSep)) - 1;
}

bool IsEnter(QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    int key = static_cast<QKeyEvent*>(e)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

// ---- the shared window ---------------------------------------------------------------

FileWindow::FileWindow(App& app, QWidget* parent, const char* objectName, const char* title,
                       const char* okCaption)
    : PanelWindow(app, parent) {
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    auto* outer = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    drives_ = new QComboBox(this);
    drives_->setObjectName("Drive1");
    folders_ = new QListWidget(this);
    folders_->setObjectName("Dir1");
    left->addWidget(new QLabel("Folders:", this));
    left->addWidget(folders_, 1);
    left->addWidget(new QLabel("Drives:", this));
    left->addWidget(drives_);
    auto* right = new QVBoxLayout;
    files_ = new QListWidget(this);
    files_->setObjectName("File1");
    right->addWidget(new QLabel("Files:", this));
    right->addWidget(files_, 1);
    lists->addLayout(left, 1);
    lists->addLayout(right, 1);
    outer->addLayout(lists, 1);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel("File name:", this);
    name_ = new QLineEdit(this);
    name_->setObjectName("TxtFName");
    label->setBuddy(name_);
    row->addWidget(label);
    row->addWidget(name_, 1);
    outer->addLayout(row);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = new QPushButton(okCaption, this);
    ok_->setObjectName(std::string(okCaption) == "Open" ? "CmdOpen" : "CmdSave");
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("CmdClose");
    // Enter belongs to the list and the name box, never to a default button.
    for (QPushButton* b : {ok_, cancel_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    resize(560, 400);

    files_->installEventFilter(this);
    name_->installEventFilter(this);
}

void FileWindow::Run(const std::function<void()>& handler) {
    if (busy_) return;
    busy_ = true;
    Call(handler);
    busy_ = false;
    if (!Panel().Visible && isVisible()) hide();
}

void FileWindow::LoadFromPanel() {
    FilePanel& p = Panel();
    {
        QSignalBlocker block(drives_);
        QStringList items;
        for (const std::string& d : p.Drives) items << Q(d);
        QStringList shown;
        for (int k = 0; k < drives_->count(); ++k) shown << drives_->itemText(k);
        if (shown != items) {
            drives_->clear();
            drives_->addItems(items);
        }
        if (p.DriveIndex >= 0 && p.DriveIndex < drives_->count()) drives_->setCurrentIndex(p.DriveIndex);
    }
    // The lists are rebuilt only when their contents change: a rebuild under
    // the pointer would lose the item a double click is aimed at.
    {
        QSignalBlocker block(folders_);
        QStringList want;
        for (const std::string& f : p.FolderList) want << Q(f);
        QStringList shown;
        for (int k = 0; k < folders_->count(); ++k) shown << folders_->item(k)->data(Qt::UserRole).toString();
        if (shown != want) {
            folders_->clear();
            int self = Depth(p.Folder);
            for (const std::string& f : p.FolderList) {
                int depth = std::min(Depth(f), self + 1);
                auto* item = new QListWidgetItem(QString(2 * std::max(depth, 0), ' ') + FolderWord(f), folders_);
                item->setData(Qt::UserRole, Q(f));
            }
        }
        for (int k = 0; k < folders_->count(); ++k)
            if (folders_->item(k)->data(Qt::UserRole).toString() == Q(p.Folder)) folders_->setCurrentRow(k);
    }
    {
        QSignalBlocker block(files_);
        QStringList want;
        for (const std::string& f : p.Files) want << Q(f);
        QStringList shown;
        for (int k = 0; k < files_->count(); ++k) shown << files_->item(k)->text();
        if (shown != want) {
            files_->clear();
            files_->addItems(want);
        }
        if (p.FileIndex >= 0 && p.FileIndex < files_->count())
            files_->setCurrentRow(p.FileIndex);
        else
            files_->setCurrentRow(-1);
    }
    {
        QSignalBlocker block(name_);
        if (name_->text() != Q(p.TxtFName)) name_->setText(Q(p.TxtFName));
        int len = static_cast<int>(name_->text().size());
        int start = std::clamp(p.SelStart, 0, len);
        if (p.SelLength > 0) name_->setSelection(start, std::min(p.SelLength, len - start));
    }
    if (!p.Focus.empty()) {
        std::string focus = p.Focus;
        p.Focus.clear();
        FocusControl(focus);
    }
}

void FileWindow::StoreToPanel() {
    FilePanel& p = Panel();
    p.TxtFName = S(name_->text());
    if (name_->hasSelectedText()) {
        p.SelStart = name_->selectionStart();
        p.SelLength = static_cast<int>(name_->selectedText().size());
    } else {
        p.SelStart = name_->cursorPosition();
        p.SelLength = 0;
    }
    QListWidgetItem* cur = files_->currentItem();
    p.FileIndex = cur && cur->isSelected() ? files_->row(cur) : -1;
    if (drives_->currentIndex() >= 0) p.DriveIndex = drives_->currentIndex();
}

void FileWindow::FocusControl(const std::string& name) {
    if (name == "TxtFName") {
        name_->setFocus(Qt::OtherFocusReason);
    } else if (name == "File1") {
        files_->setFocus(Qt::OtherFocusReason);
    }
}

bool FileWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == files_ && IsEnter(e)) {
        FileListEnter();
        return true;
    }
    if (watched == name_ && e->type() == QEvent::FocusOut && isVisible()) {
        // Switching to another window or a menu is no leaving of the box.
        Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) NameLostFocus();
    }
    return PanelWindow::eventFilter(watched, e);
}

void FileWindow::showEvent(QShowEvent* e) {
    PanelWindow::showEvent(e);
    CentreOverDrawingArea();
}

void FileWindow::CentreOverDrawingArea() {
    QWidget* area = parentWidget();
    if (!area) return;
    if (auto* main = qobject_cast<QMainWindow*>(area); main && main->centralWidget()) area = main->centralWidget();
    QPoint c = area->mapToGlobal(area->rect().center());
    move(c.x() - width() / 2, c.y() - height() / 2);
}

// ---- OpenF ---------------------------------------------------------------------------------

OpenFWindow::OpenFWindow(App& app, QWidget* parent) : FileWindow(app, parent, "OpenF", "Open", "Open") {
    connect(drives_, &QComboBox::activated, this,
            [this](int k) { Run([this, k] { OpenF_Drive1_Change(app_, k); }); });
    connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (!item) return;
        std::string folder = S(item->data(Qt::UserRole).toString());
        Run([this, folder] { OpenF_Dir1_Change(app_, folder); });
    });
    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!item) return;
        int k = files_->row(item);
        Run([this, k] { OpenF_File1_Click(app_, k); });
    });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (!item) return;
        int k = files_->row(item);
        Run([this, k] { OpenF_File1_DblClick(app_, k); });
    });
    connect(name_, &QLineEdit::returnPressed, this, [this] { Run([this] { OpenF_TxtFName_KeyPress(app_, 13); }); });
    connect(ok_, &QPushButton::clicked, this, [this] { Run([this] { OpenF_CmdOpen_Click(app_); }); });
    connect(cancel_, &QPushButton::clicked, this, [this] { Run([this] { OpenF_CmdClose_Click(app_); }); });
}

FilePanel& OpenFWindow::Panel() const { return app_.dlg.OpenF; }

void OpenFWindow::FileListEnter() { Run([this] { OpenF_File1_KeyPress(app_, 13); }); }

void OpenFWindow::NameLostFocus() { Run([this] { OpenF_TxtFName_LostFocus(app_); }); }

void OpenFWindow::reject() { Run([this] { OpenF_CmdClose_Click(app_); }); }

// ---- SaveAs --------------------------------------------------------------------------------

SaveAsWindow::SaveAsWindow(App& app, QWidget* parent) : FileWindow(app, parent, "SaveAs", "Save As", "Save") {
    connect(drives_, &QComboBox::activated, this,
            [this](int k) { Run([this, k] { SaveAs_Drive1_Change(app_, k); }); });
    connect(folders_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (!item) return;
        std::string folder = S(item->data(Qt::UserRole).toString());
        Run([this, folder] { SaveAs_Dir1_Change(app_, folder); });
    });
    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!item) return;
        int k = files_->row(item);
        Run([this, k] { SaveAs_File1_Click(app_, k); });
    });
    // A double-clicked file is the one to save over (the core asks first).
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (!item) return;
        int k = files_->row(item);
        Run([this, k] {
            SaveAs_File1_Click(app_, k);
            SaveAs_CmdSave_Click(app_);
        });
    });
    connect(name_, &QLineEdit::textEdited, this, [this](const QString&) { Run([this] { SaveAs_TxtFName_Change(app_); }); });
    connect(name_, &QLineEdit::returnPressed, this, [this] { Run([this] { SaveAs_TxtFName_KeyPress(app_, 13); }); });
    connect(ok_, &QPushButton::clicked, this, [this] { Run([this] { SaveAs_CmdSave_Click(app_); }); });
    connect(cancel_, &QPushButton::clicked, this, [this] { Run([this] { SaveAs_CmdClose_Click(app_); }); });
}

FilePanel& SaveAsWindow::Panel() const { return app_.dlg.SaveAs; }

void SaveAsWindow::FileListEnter() {
    Run([this] {
        int k = app_.dlg.SaveAs.FileIndex;
        SaveAs_File1_Click(app_, k);
        SaveAs_CmdSave_Click(app_);
    });
}

void SaveAsWindow::reject() { Run([this] { SaveAs_CmdClose_Click(app_); }); }
