#pragma once
// FileInfo: the program's own open/save dialog for table files (.KMD, .KLD), comparison files
// (.KCD) and plan files (.KPL). It only chooses a name.
//
// Calling sequence:
//   1. set mm.FileKind (1 mortgage, 2 personal loan, 3 comparison, 4 plan) and mm.DialogFileName
//   (the
//      name last used for that kind);
//   2. create the dialog; for opening call PrepareForOpening(), for saving PrepareForSaving();
//   3. exec() it;
//   4. exec() gives QDialog::Rejected when cancelled (FileKind is then 6, as before); otherwise
//      chosenPath() is the file: mm.DialogFolder (ending with "/") followed by
//      mm.DialogFileName. The caller sets FileKind back to 0 when it is done.
// mm.DialogFolder persists between uses: each dialog opens in the folder used last.

#include <QDialog>
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "files/file_names.h"
#include "shell/app_context.h"
#include "shell/twips.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace bw {

class FileInfo : public QDialog {
    Q_OBJECT
  public:
    explicit FileInfo(AppContext& ctx, QWidget* parent = nullptr);

    // FileKind set by "&Cancel".
    static constexpr int kCancelled = kFileDialogCancelled;

    // Where the dialog's top-left corner goes, relative to the frame's top-left corner.
    static TwipPoint Offset(int frameClass) {
        return DialogOffset(frameClass, {2000, 1200}, {3000, 2000});
    }

    // Caption "Open File".
    void PrepareForOpening();
    // Caption "Save File", "Save in:", "Save type:" and "&Save".
    void PrepareForSaving();

    // The folder the lists show (no trailing "/" except for the root), and the file pattern.
    QString folder() const { return folder_; }
    QString pattern() const { return pattern_; }

    // After exec(): the chosen file (DialogFolder followed by DialogFileName), nothing when the
    // dialog was cancelled. Callers may use it instead of reading FileKind back.
    std::optional<std::string> chosenPath() const;

    std::array<QPushButton*, 2> DlgButton{};  // 0 "&Open" / "&Save", 1 "&Cancel"
    QListWidget* FileListBox = nullptr;
    QListWidget* DirsBox = nullptr;
    QComboBox* DriveDropDown = nullptr;
    QLineEdit* TextBox = nullptr;
    QComboBox* FileTypes = nullptr;
    QLabel* Label1 = nullptr;  // "File name:"
    QLabel* Label2 = nullptr;  // "Folder:"
    QLabel* Label3 = nullptr;  // "Look in:" / "Save in:"
    QLabel* Label4 = nullptr;  // "File type:" / "Save type:"
    QLabel* Label5 = nullptr;  // "File name/s in folder:"

  public slots:
    // "&Cancel", Escape and the window's close box.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    // Enter in the folder list or the file list acts as a double-click there.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Form_Load();
    // Names each list and box after the caption of its label.
    void NameControls();
    void DriveDropDown_Click(int index);
    void DirsBox_Click();
    void DirsBox_DblClick(QListWidgetItem* item);
    void FileListBox_Click(QListWidgetItem* item);
    void FileListBox_DblClick(QListWidgetItem* item);
    void TextBox_Change();
    void DlgButton_Click(int index);

    // The accept path: hands the folder and the name back and ends the dialog.
    void AcceptFile();
    // Moves the folder list (and with it the file list and the drive list) to `path`.
    // Returns false, changing nothing, when it is not an existing folder.
    bool MoveToFolder(const QString& path);
    void FillFolders();
    void FillFiles();
    void FillDrives();
    void SelectDriveOf(const QString& path);
    bool FileListHas(const QString& name) const;
    void FocusName();
    // The system message box of the dialog.
    void SystemMessage(const QString& text);

    AppContext& ctx_;
    int LastTouched = 0;  // 1 name box changed, 2 folder list clicked
    QString folder_;
    QString pattern_;
    QString kindPattern_;
    QString requiredExtension_;
    QString missingExtensionText_;
};

}  // namespace bw
