#include "files/file_info.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "shell/messages.h"
#include "shell/program_folder.h"
#include "shell/window_kit.h"

namespace bw {
namespace {

using KindInfo = FileKindInfo;
const KindInfo& Kind(int fileKind) {
    return FileKindOf(fileKind);
}

constexpr int kPathRole = Qt::UserRole;

QString WithSlash(const QString& folder) {
    return folder.endsWith('/') ? folder : folder + '/';
}

// A folder path without its trailing "/" (the root stays "/").
QString WithoutSlash(QString folder) {
    while (folder.size() > 1 && folder.endsWith('/')) folder.chop(1);
    return folder;
}

}  // namespace

FileInfo::FileInfo(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("FileInfo");
    setWindowTitle("Open File");
    setModal(true);

    auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    Label1 = label("Label1", "File name:");
    Label2 = label("Label2", "Folder:");
    Label3 = label("Label3", "Look in:");
    Label4 = label("Label4", "File type:");
    Label5 = label("Label5", "File name/s in folder:");

    TextBox = new QLineEdit(this);
    TextBox->setObjectName("TextBox");
    FileListBox = new QListWidget(this);
    FileListBox->setObjectName("FileListBox");
    DirsBox = new QListWidget(this);
    DirsBox->setObjectName("DirsBox");
    DriveDropDown = new QComboBox(this);
    DriveDropDown->setObjectName("DriveDropDown");
    FileTypes = new QComboBox(this);
    FileTypes->setObjectName("FileTypes");
    DlgButton[0] = new QPushButton("&Open", this);
    DlgButton[0]->setObjectName("DlgButton0");
    DlgButton[0]->setDefault(true);
    DlgButton[1] = new QPushButton("&Cancel", this);
    DlgButton[1]->setObjectName("DlgButton1");
    // Enter on "&Cancel" with the focus cancels; anywhere else it presses "&Open" / "&Save".
    DlgButton[1]->setAutoDefault(true);
    for (QWidget* w : {static_cast<QWidget*>(TextBox), static_cast<QWidget*>(FileListBox)})
        w->setMinimumWidth(Px(3000));
    DirsBox->setMinimumWidth(Px(3000));
    FileListBox->setMinimumHeight(Px(2400));
    DirsBox->setMinimumHeight(Px(2400));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(TextBox, 1, 0);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(FileListBox, 3, 0);
    grid->addWidget(Label4, 4, 0);
    grid->addWidget(FileTypes, 5, 0);
    grid->addWidget(Label3, 0, 1);
    grid->addWidget(DriveDropDown, 1, 1);
    grid->addWidget(Label2, 2, 1);
    grid->addWidget(DirsBox, 3, 1, 3, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(DlgButton[0]);
    buttons->addWidget(DlgButton[1]);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 2, 5, 1);
    grid->setRowStretch(3, 1);

    NameControls();
    EnterPressesButtons(this);
    connect(DlgButton[0], &QPushButton::clicked, this, [this] { DlgButton_Click(0); });
    connect(DlgButton[1], &QPushButton::clicked, this, [this] { DlgButton_Click(1); });
    connect(TextBox, &QLineEdit::textChanged, this, [this] { TextBox_Change(); });
    connect(FileListBox, &QListWidget::itemClicked, this, &FileInfo::FileListBox_Click);
    connect(FileListBox, &QListWidget::itemDoubleClicked, this, &FileInfo::FileListBox_DblClick);
    connect(DirsBox, &QListWidget::itemClicked, this, [this] { DirsBox_Click(); });
    // Moving the highlight with the arrow keys counts as a click, as in a folder list.
    connect(DirsBox, &QListWidget::currentItemChanged, this, [this] {
        if (DirsBox->hasFocus()) DirsBox_Click();
    });
    DirsBox->installEventFilter(this);
    FileListBox->installEventFilter(this);
    connect(DirsBox, &QListWidget::itemDoubleClicked, this, &FileInfo::DirsBox_DblClick);
    connect(DriveDropDown, &QComboBox::activated, this, &FileInfo::DriveDropDown_Click);

    Form_Load();
}

void FileInfo::PrepareForOpening() {
    setWindowTitle("Open File");
}

void FileInfo::PrepareForSaving() {
    setWindowTitle("Save File");
    Label3->setText("Save in:");
    Label4->setText("Save type:");
    DlgButton[0]->setText("&Save");
    NameControls();
}

void FileInfo::NameControls() {
    SetAccessibleCaption(TextBox, Label1->text());
    SetAccessibleCaption(DirsBox, Label2->text());
    SetAccessibleCaption(DriveDropDown, Label3->text());
    SetAccessibleCaption(FileTypes, Label4->text());
    SetAccessibleCaption(FileListBox, Label5->text());
}

void FileInfo::Form_Load() {
    const KindInfo& kind = Kind(ctx_.mm.FileKind);
    kindPattern_ = kind.pattern;
    requiredExtension_ = kind.extension;
    missingExtensionText_ = kind.missing;
    pattern_ = kindPattern_;
    FileTypes->addItem(kind.typeText);

    // The folder used last; the program's folder the first time (or when that one is gone), or
    // the documents folder when the program's folder is the user's hidden data folder.
    QString start = WithoutSlash(QString::fromStdString(ctx_.mm.DialogFolder));
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QString::fromStdString(DialogStartFolder(ctx_.mm.ProgramFolder));
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::currentPath();
    FillDrives();
    if (!MoveToFolder(start)) MoveToFolder(QDir::rootPath());

    TextBox->setText(kindPattern_);
    const QString last = QString::fromStdString(ctx_.mm.DialogFileName);
    if (!last.isEmpty() && FileListHas(last)) TextBox->setText(last);
}

void FileInfo::showEvent(QShowEvent* event) {
    PlaceDialog(*this, ctx_.frame, Offset(ctx_.mm.FrameClass));
    QDialog::showEvent(event);
    FocusName();
}

bool FileInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == DirsBox && DirsBox->currentItem()) {
                DirsBox_DblClick(DirsBox->currentItem());
                return true;
            }
            if (watched == FileListBox && FileListBox->currentItem()) {
                FileListBox_DblClick(FileListBox->currentItem());
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FileInfo::FillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) roots << volume.rootPath();
    if (!roots.contains(QDir::rootPath())) roots << QDir::rootPath();
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    DriveDropDown->clear();
    for (const QString& root : roots) DriveDropDown->addItem(root, root);
}

void FileInfo::SelectDriveOf(const QString& path) {
    QString root = QStorageInfo(path).rootPath();
    if (root.isEmpty()) root = QDir::rootPath();
    int index = DriveDropDown->findData(root);
    if (index < 0) {
        DriveDropDown->addItem(root, root);
        index = DriveDropDown->count() - 1;
    }
    DriveDropDown->setCurrentIndex(index);
}

bool FileInfo::MoveToFolder(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir()) return false;
    folder_ = WithoutSlash(QDir::cleanPath(info.absoluteFilePath()));
    FillFolders();
    FillFiles();
    SelectDriveOf(folder_);
    return true;
}

void FileInfo::FillFolders() {
    // As a folder list shows it: the folders from the root down to the current one, then the
    // folders inside the current one, indented by depth.
    DirsBox->clear();
    QStringList chain;
    QDir d(folder_);
    while (true) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& path : chain) {
        const QString name = (path == QDir::rootPath()) ? path : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, DirsBox);
        item->setData(kPathRole, path);
        current = item;
        ++depth;
    }
    const QStringList subfolders =
        QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, DirsBox);
        item->setData(kPathRole, QDir(folder_).filePath(name));
    }
    if (current) {
        // The folder shown stands out from the folders around it.
        QFont bold = DirsBox->font();
        bold.setBold(true);
        current->setFont(bold);
        DirsBox->setCurrentItem(current);
    }
    DirsBox->setToolTip(folder_);
}

void FileInfo::FillFiles() {
    FileListBox->clear();
    const QStringList files = QDir(folder_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files)
        if (MatchesPattern(name, pattern_)) FileListBox->addItem(name);
}

bool FileInfo::FileListHas(const QString& name) const {
    for (int i = 0; i < FileListBox->count(); ++i)
        if (FileListBox->item(i)->text() == name) return true;
    return false;
}

void FileInfo::FocusName() {
    TextBox->selectAll();
    TextBox->setFocus();
}

void FileInfo::SystemMessage(const QString& text) {
    QMessageBox::warning(this, windowTitle(), text);
}

void FileInfo::DriveDropDown_Click(int index) {
    const QString root = DriveDropDown->itemData(index).toString();
    std::error_code ec;
    std::filesystem::directory_iterator probe(root.toStdString(), ec);
    if (ec || !MoveToFolder(root)) {
        const QString reason = ec ? QString::fromStdString(ec.message()) : "No such folder";
        SystemMessage(root + ": " + reason);
        SelectDriveOf(folder_);
    }
}

void FileInfo::DirsBox_Click() {
    LastTouched = 2;
}

void FileInfo::DirsBox_DblClick(QListWidgetItem* item) {
    if (!item) return;
    if (!MoveToFolder(item->data(kPathRole).toString())) {
        // The folder went away meanwhile: show what is there now.
        ctx_.messages.showMessage(Msg::FileNotFound);
        MoveToFolder(folder_);
    }
}

void FileInfo::FileListBox_Click(QListWidgetItem* item) {
    if (item) TextBox->setText(item->text());
}

void FileInfo::FileListBox_DblClick(QListWidgetItem* item) {
    if (!item) return;
    TextBox->setText(item->text());
    AcceptFile();
}

void FileInfo::TextBox_Change() {
    LastTouched = 1;
}

void FileInfo::AcceptFile() {
    ctx_.mm.DialogFolder = WithSlash(folder_).toStdString();
    ctx_.mm.DialogFileName = TextBox->text().toStdString();
    pattern_ = kindPattern_;
    QDialog::accept();
}

void FileInfo::reject() {
    // The hand-over says "cancelled"; the folder stays remembered for the next dialog.
    ctx_.mm.FileKind = kCancelled;
    ctx_.mm.DialogFolder = WithSlash(folder_).toStdString();
    QDialog::reject();
}

void FileInfo::DlgButton_Click(int index) {
    if (index == 1) {
        reject();
        return;
    }
    const QString text = TextBox->text();
    // 1. The name must carry the kind's extension ("*.kmd" passes: it is a pattern).
    if (TypedExtension(text) != requiredExtension_) {
        SystemMessage(missingExtensionText_);
        TextBox->setText(kindPattern_);
        FocusName();
        return;
    }
    const bool saving = windowTitle() != "Open File";
    const TypedName typed = SplitTypedName(text);

    if (LastTouched == 1) {
        // A name of the list is taken as a double-click takes it.
        if (FileListHas(text)) {
            AcceptFile();
            return;
        }
        // A typed folder, relative to the folder shown.
        if (!typed.folder.isEmpty() &&
            !MoveToFolder(QDir(folder_).absoluteFilePath(typed.folder))) {
            ctx_.messages.showMessage(Msg::FileNotFound);
            FocusName();
            return;
        }
        switch (OutcomeOfTypedName(typed, saving, FileListHas(typed.name))) {
            case TypedNameOutcome::SaveOver:
                TextBox->setText(typed.name);
                AcceptFile();
                return;
            case TypedNameOutcome::SaveNew:
                ctx_.mm.DialogFileName = typed.name.toLower().toStdString();
                ctx_.mm.DialogFolder = WithSlash(folder_).toStdString();
                TextBox->setText(typed.name.toLower());
                QDialog::accept();
                return;
            case TypedNameOutcome::ApplyPattern:
                pattern_ = typed.name;
                FillFiles();
                break;
            case TypedNameOutcome::ResetPattern:
                TextBox->setText(kindPattern_);
                break;
        }
        FocusName();
        return;
    }
    if (saving && !typed.wildcard) {
        AcceptFile();
        return;
    }
    if (LastTouched == 2) {
        QListWidgetItem* item = DirsBox->currentItem();
        if (item) MoveToFolder(item->data(kPathRole).toString());
    }
    FocusName();
}

std::optional<std::string> FileInfo::chosenPath() const {
    if (result() != QDialog::Accepted) return std::nullopt;
    return ctx_.mm.DialogFolder + ctx_.mm.DialogFileName;
}

}  // namespace bw
