// The planner window's file and report commands: open and save a plan through the file dialog,
// print it, export its schedule as CSV.

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QSaveFile>

#include "files/file_info.h"
#include "plan/mort_planner.h"
#include "plan/plan_file.h"
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
    std::string why;
    bool saved = false;
    {
        HourglassCursor hourglass;
        saved = plan::SavePlanFile(mm.DialogFolder + mm.DialogFileName, input_, &why);
    }
    if (!saved) {
        MsgText->clear();
        showMessage(QStringLiteral("The plan was not saved: %1").arg(Q(why)));
        return;
    }
    lastPlanFile_ = mm.DialogFileName;
}

void MortPlanner::POpen_Click() {
    MMODULE& mm = ctx_.mm;
    if (!askPlanFile(false)) return;
    std::string why;
    std::optional<plan::PlanInput> read;
    {
        HourglassCursor hourglass;
        read = plan::LoadPlanFile(mm.DialogFolder + mm.DialogFileName, &why);
    }
    // A file that is not whole and sound changes nothing.
    if (!read) {
        MsgText->clear();
        showMessage(QStringLiteral("The plan was not opened: %1").arg(Q(why)));
        return;
    }
    lastPlanFile_ = mm.DialogFileName;
    showInput(*read);
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
