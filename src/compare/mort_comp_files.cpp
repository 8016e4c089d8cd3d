// The comparison window's file commands: "Sa&ve File" and "&Open File" through the file dialog.

#include <QComboBox>
#include <QLabel>

#include "compare/comparison_state.h"
#include "compare/mort_comp.h"
#include "shell/messages.h"
#include "shell/window_kit.h"

#if __has_include("files/file_info.h")
#include "files/file_info.h"
#define BW_HAVE_FILE_INFO 1
#endif

namespace bw {

// The end of either file command, whatever happened.
void MortComp::finishFileCommand() {
    MMODULE& mm = ctx_.mm;
    mm.GraphTitle = kComparisonFileTitle;
    show();
    mm.FileKind = 0;
    mm.DialogFileName.clear();
}

// Shows the file dialog for comparison files; true when the user chose a file.
bool MortComp::askFileName(bool saving) {
#ifdef BW_HAVE_FILE_INFO
    MMODULE& mm = ctx_.mm;
    mm.FileKind = 3;
    mm.DialogFileName = mm.LastCompareFile;
    FileInfo dialog(ctx_, ctx_.frame.dialogParent());
    if (saving)
        dialog.PrepareForSaving();
    else
        dialog.PrepareForOpening();
    return dialog.exec() == QDialog::Accepted;
#else
    (void)saving;
    return false;
#endif
}

void MortComp::CSaveFile_Click() {
    MMODULE& mm = ctx_.mm;
    commitPendingInput();
    hide();
    if (sheet_.rowCounter == 0) {
        ctx_.messages.showMessage(Msg::NoRecordsToSave);
    } else if (askFileName(true) && !mm.DialogFileName.empty()) {
        const ComparisonFile file = ComparisonFileFrom(mm, sheet_, listTexts());
        if (WriteComparisonFile(mm.DialogFolder + mm.DialogFileName, file))
            mm.LastCompareFile = mm.DialogFileName;
        else
            ctx_.messages.showMessage(Msg::BadComparisonName);
    }
    finishFileCommand();
}

void MortComp::CLoadFile_Click() {
    MMODULE& mm = ctx_.mm;
    commitPendingInput();
    hide();
    if (askFileName(false)) {
        ComparisonFileRead read;
        {
            HourglassCursor hourglass;
            read = ReadComparisonFile(mm.DialogFolder + mm.DialogFileName, mm.PrePayMonth);
        }
        // Nothing is taken from a file that is not whole and sound.
        for (int code : read.messages) ctx_.messages.showMessage(code);
        if (read.ok) {
            showFile(TakeComparisonFile(mm, sheet_, read.file));
            mm.LastCompareFile = mm.DialogFileName;
        }
    }
    finishFileCommand();
}

// The inputs, lists and grids of an opened file; the two result labels wait for a calculation.
void MortComp::showFile(const ComparisonLists& lists) {
    principalBox_->showText(principalText(16));
    rateBox_->showText(rateText(false));
    termBox_->showText(periodText());
    ComPeriod->setCurrentIndex(ComPeriod->findText(Q(lists.compounding)));
    FreqPmt->setCurrentIndex(FreqPmt->findText(Q(lists.frequency)));
    showSheet();
    InDays->clear();
    PeriodicR->clear();
}

}  // namespace bw
