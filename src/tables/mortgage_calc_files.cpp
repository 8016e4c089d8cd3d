// The tables window's file commands: "&Open File" and "Sa&ve File". A table file holds the
// inputs, options and additional payments; the schedule is calculated again after opening.

#include <QMdiSubWindow>
#include <QPushButton>
#include <optional>

#include "files/file_info.h"
#include "files/table_file.h"
#include "shell/messages.h"
#include "shell/window_kit.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

// The window as the frame shows it: its MDI sub-window when it has one.
QWidget* OuterWindow(QWidget* window) {
    return qobject_cast<QMdiSubWindow*>(window->parentWidget()) ? window->parentWidget() : window;
}

std::string& LastFileOfKind(MMODULE& mm, int kind) {
    return kind == 2 ? mm.LastLoanFile : mm.LastMortgageFile;
}

}  // namespace

void MortgageCalc::MLoadFile_Click() {
    MMODULE& mm = ctx_.mm;
    QWidget* outer = OuterWindow(this);
    // 1. Choose the file.
    outer->hide();
    mm.FileKind = mm.TableMode;
    mm.DialogFileName = LastFileOfKind(mm, mm.TableMode);
    bool chosen = false;
    {
        FileInfo dialog(ctx_, ctx_.frame.dialogParent());
        dialog.PrepareForOpening();
        chosen = dialog.exec() == QDialog::Accepted;
    }
    // 2. Cancelled: nothing changes.
    if (chosen) {
        // 3. The whole file is read and checked before anything of the window changes.
        std::optional<TableFile> file;
        {
            HourglassCursor hourglass;
            file = ReadTableFile(mm.DialogFolder + mm.DialogFileName);
        }
        // A table of the other kind (a renamed file) is not one of this window's.
        if (!file || file->tableMode != mm.TableMode) {
            ctx_.messages.showMessage(Msg::FileNotFound);
            // The name that failed is forgotten: the loan file's in loan mode, so that a bad
            // loan file never costs the mortgage file's name.
            LastFileOfKind(mm, mm.TableMode).clear();
        } else {
            // 4. The values of the file; 7. the days in year re-derived from the option;
            // 9. the additional payments re-created from the year lines.
            RestoreTableFile(mm, *file);
            // 5. The boxes show the values as typed values are shown.
            showPrincipal();
            showRate();
            showPeriod();
            setCompoundingText(file->compounding);
            setFrequencyText(file->frequency);
            // 6.
            MDateNumber->setText(mm.DateMode == 1 ? "&View payment No." : "&View payment date");
            // 8. The row view, with the option's own click handling.
            selectRowView(mm.RowView);
            // 10. The name is remembered for this window's kind of table.
            LastFileOfKind(mm, mm.TableMode) = mm.DialogFileName;
            // 11.
            calculate();
        }
    }
    // 12.
    outer->show();
    mm.FileKind = 0;
    mm.DialogFileName.clear();
}

void MortgageCalc::MSaveFile_Click() {
    MMODULE& mm = ctx_.mm;
    QWidget* outer = OuterWindow(this);
    // 1.
    outer->hide();
    if (mm.ResultRowCount == 0) {
        ctx_.messages.showMessage(Msg::NoRecordsToSave);
    } else {
        // 2.
        mm.FileKind = mm.TableMode;
        mm.DialogFileName = LastFileOfKind(mm, mm.TableMode);
        bool chosen = false;
        {
            FileInfo dialog(ctx_, ctx_.frame.dialogParent());
            dialog.PrepareForSaving();
            chosen = dialog.exec() == QDialog::Accepted;
        }
        // 3.
        if (chosen && !mm.DialogFileName.empty()) {
            // 4. Written beside the old file and renamed over it: a failed save keeps the old one.
            const TableFile file = CaptureTableFile(mm, compoundingText(), frequencyText());
            if (WriteTableFile(mm.DialogFolder + mm.DialogFileName, file)) {
                // 5.
                LastFileOfKind(mm, mm.TableMode) = mm.DialogFileName;
            } else {
                ctx_.messages.showMessage(mm.TableMode == 2 ? Msg::BadLoanName
                                                            : Msg::BadMortgageName);
            }
        }
    }
    // 6.
    outer->show();
    mm.FileKind = 0;
    mm.DialogFileName.clear();
}

}  // namespace bw
