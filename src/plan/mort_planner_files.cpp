// The planner window's file and report commands: open and save a plan through the file dialog,
// print it, export its schedule as CSV.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QSaveFile>

#include "files/file_info.h"
#include "plan/mort_planner.h"
#if __has_include("plan/plan_file.h")
#include "plan/plan_file.h"
#define BW_HAVE_PLAN_FILE 1
#endif
#include "plan/plan_printout.h"
#include "plan/plan_texts.h"
#include "reports/printer_header_input.h"
#include "reports/qt_printer_backend.h"
#include "shell/messages.h"
#include "shell/window_kit.h"

namespace bw {

// Shows the file dialog for plan files; true when the user chose a file.
bool MortPlanner::askPlanFile(bool saving) {
    MMODULE& mm = ctx_.mm;
    mm.FileKind = kPlanFileKind;
    mm.DialogFileName = lastPlanFile_;
    FileInfo dialog(ctx_, ctx_.frame.dialogParent());
    if (saving)
        dialog.PrepareForSaving();
    else
        dialog.PrepareForOpening();
    const bool chosen = dialog.exec() == QDialog::Accepted && !mm.DialogFileName.empty();
    mm.FileKind = 0;
    return chosen;
}

void MortPlanner::PSave_Click() {
    MMODULE& mm = ctx_.mm;
    if (!result_.ok() || result_.rows.empty()) {
        ctx_.messages.showMessage(Msg::NoRecordsToSave);
        return;
    }
    if (!askPlanFile(true)) return;
#ifdef BW_HAVE_PLAN_FILE
    const std::string path = mm.DialogFolder + mm.DialogFileName;
    std::string error;
    {
        HourglassCursor hourglass;
        error = plan::SavePlanFile(path, input_);
    }
    if (!error.empty()) {
        MsgText->clear();
        showMessage(Q(error));
        return;
    }
    lastPlanFile_ = mm.DialogFileName;
#else
    (void)mm;
#endif
}

void MortPlanner::POpen_Click() {
    MMODULE& mm = ctx_.mm;
    if (!askPlanFile(false)) return;
#ifdef BW_HAVE_PLAN_FILE
    plan::PlanFileRead read;
    {
        HourglassCursor hourglass;
        read = plan::LoadPlanFile(mm.DialogFolder + mm.DialogFileName);
    }
    // A file that is not whole and sound changes nothing.
    if (!read.ok()) {
        MsgText->clear();
        showMessage(Q(read.error));
        return;
    }
    lastPlanFile_ = mm.DialogFileName;
    showInput(read.input);
#else
    (void)mm;
#endif
}

void MortPlanner::PPrint_Click() {
    if (!result_.ok() || result_.rows.empty()) {
        ctx_.messages.showMessage(Msg::NoDataToPrint);
        return;
    }
    if (!AskPrintHeader(ctx_)) return;
    Printout printout;
    {
        HourglassCursor hourglass;
        plan::PrintPlan(printout, ctx_.mm, input_, result_);
    }
    PrintPrintout(printout, ctx_.frame.dialogParent(), QStringLiteral("Mortgage plan"));
}

bool MortPlanner::exportCsv(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string csv = plan::ScheduleCsv(result_, input_.view);
    file.write(csv.data(), static_cast<qint64>(csv.size()));
    return file.commit();
}

void MortPlanner::PExport_Click() {
    if (!result_.ok() || result_.rows.empty()) {
        ctx_.messages.showMessage(Msg::NoRecordsToSave);
        return;
    }
    const QString folder =
        ctx_.mm.DialogFolder.empty() ? QDir::homePath() : Q(ctx_.mm.DialogFolder);
    const QString path = QFileDialog::getSaveFileName(
        ctx_.frame.dialogParent(), QStringLiteral("Export the Schedule"),
        QDir(folder).filePath(QStringLiteral("schedule.csv")),
        QStringLiteral("Comma-separated values (*.csv)"));
    if (path.isEmpty()) return;
    if (!exportCsv(path)) {
        MsgText->clear();
        showMessage(QStringLiteral("The schedule could not be written to %1.").arg(path));
    }
}

}  // namespace bw
