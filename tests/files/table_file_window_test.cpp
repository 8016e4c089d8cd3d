// "Sa&ve File" and "&Open File" of the tables window, through the file dialog: files written by
// the window open again identically, and damaged files change nothing.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <random>

#include "files/file_info.h"
#include "files/table_file.h"
#include "shell/dates.h"
#include "shell/mdi_container.h"
#include "shell/ms_grid.h"
#include "support/file_bytes.h"
#include "support/modal_driver.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"
#include "tables/days_in_year.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

using Dialog = test::ModalDriver<FileInfo>;

void TypeAndPress(FileInfo& dialog, const QString& name) {
    dialog.TextBox->setFocus();
    dialog.TextBox->selectAll();
    QTest::keyClick(dialog.TextBox, Qt::Key_Delete);
    QTest::keyClicks(dialog.TextBox, name);
    QTest::mouseClick(dialog.DlgButton[0], Qt::LeftButton);
}

// Everything a person sees in the window, and the shared values a file restores.
using Snapshot = std::vector<std::string>;

class TableFileWindowTest : public ::testing::Test {
  protected:
    TableFileWindowTest() : port_(&mm_), ctx_{mm_, port_, frame_} {
        mm_.CurrencySymbol = "$";
        mm_.FirstPayDate = ShortDateText(QDate(2025, 3, 1));
        folder_ = QDir(dir_.path()).canonicalPath();
        mm_.DialogFolder = folder_.toStdString() + "/";
    }

    MortgageCalc& Open(std::int16_t mode) {
        mm_.TableMode = mode;
        window_ = std::make_unique<MortgageCalc>(ctx_);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }

    // Types into a box as a person does and leaves it with Enter, which takes the value.
    static void Type(QWidget* box, const QString& keys) {
        box->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        for (QChar c : keys) QTest::keyClick(box, c.toLatin1());
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::processEvents();
    }

    void Calculate() { QTest::mouseClick(window_->MCalc, Qt::LeftButton); }

    static void Pick(QComboBox* box, const std::string& text) {
        const int index = box->findText(QString::fromStdString(text));
        ASSERT_GE(index, 0) << text;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // "Sa&ve File" (saving) or "&Open File" with a name typed into the dialog.
    void Use(bool saving, const QString& name) {
        QString caption;
        Dialog driver([&](FileInfo& d) {
            caption = d.windowTitle();
            TypeAndPress(d, name);
        });
        QTest::mouseClick(saving ? window_->MSaveFile : window_->MLoadFile, Qt::LeftButton);
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(caption, saving ? "Save File" : "Open File");
        EXPECT_EQ(mm_.FileKind, 0);
    }
    void Save(const QString& name) { Use(true, name); }
    void Load(const QString& name) { Use(false, name); }

    std::string Path(const QString& name) const { return (folder_ + "/" + name).toStdString(); }
    std::string Bytes(const QString& name) const { return test::ReadBytes(Path(name)); }
    void Write(const QString& name, const std::string& bytes) {
        ASSERT_TRUE(test::WriteBytes(Path(name), bytes));
    }

    Snapshot Take() const {
        const MortgageCalc& w = *window_;
        Snapshot s;
        for (const QString& t :
             {w.InPrincipal->text(), w.InRate->currentText(), w.InTerm->currentText(),
              w.Comperiod->currentText(), w.FreqPmt->currentText(), w.MDateNumber->text(),
              w.InDays->text(), w.PeriodicR->text(), w.NumPmtsYear->text(), w.InMonthPI->text(),
              w.EndMortYear->text(), w.AllPayments->text(), w.TotSavd->text()})
            s.push_back(t.toStdString());
        s.push_back(w.Option1->isChecked() ? "All" : "Annual");
        s.push_back(mm_.FirstPayDate);
        for (double n :
             {mm_.LoanInputs[1], mm_.LoanInputs[2], mm_.LoanInputs[3], double(mm_.DaysOption),
              double(mm_.DaysInYear), mm_.BiWeeklyPeriods, mm_.WeeklyPeriods, double(mm_.RowView),
              double(mm_.DateMode), double(mm_.PrePayYears), double(mm_.PrePayCount),
              double(mm_.TableMode), double(mm_.ResultRowCount), double(mm_.GridRows)})
            s.push_back(QString::number(n, 'g', 17).toStdString());
        for (const auto& row : mm_.PrePayTable)
            for (const Money& m : row) s.push_back(std::to_string(m.ticks()));
        for (int r = 0; r < w.MGrid->rows(); ++r)
            for (int c = 0; c < w.MGrid->cols(); ++c) s.push_back(w.MGrid->textAt(r, c));
        return s;
    }

    // Additional payments as the additional payments dialog leaves them.
    void SetPrePayments(int years, std::initializer_list<std::pair<int, double>> amounts) {
        mm_.PrePayTable = PrePayTableData{};
        mm_.PrePayYears = static_cast<std::int16_t>(years);
        mm_.PrePayCount = static_cast<std::int16_t>(amounts.size());
        for (int y = 1; y <= years; ++y) mm_.PrePayTable[y][1] = Money::fromDouble(y);
        for (const auto& [year, amount] : amounts)
            mm_.PrePayTable[year][2] = Money::fromDouble(amount);
    }

    void SetDays(std::int16_t option, float typed = 365.0f) {
        const DaysSetting d = DaysForOption(option, typed);
        mm_.DaysOption = d.option;
        mm_.DaysInYear = d.daysInYear;
        mm_.BiWeeklyPeriods = d.biWeeklyPeriods;
        mm_.WeeklyPeriods = d.weeklyPeriods;
    }

    // Payment dates (1) or numbers (0), as the "&View payment ..." button leaves them.
    void SetDateMode(std::int16_t mode) {
        mm_.DateMode = mode;
        window_->MDateNumber->setText(mode ? "&View payment No." : "&View payment date");
    }

    // Another table entirely, calculated, so that opening has everything to put back.
    void ChangeEverything() {
        Type(window_->InPrincipal, "1234");
        Type(window_->InRate, "3");
        Pick(window_->Comperiod, lists::kCompounding[4]);
        Pick(window_->FreqPmt, lists::kFrequency[3]);
        QTest::mouseClick(window_->Option2, Qt::LeftButton);
        SetDays(3);
        SetDateMode(0);
        mm_.FirstPayDate = ShortDateText(QDate(2040, 1, 1));
        SetPrePayments(0, {});
        Calculate();
        ASSERT_NE(mm_.ResultRowCount, 0);
    }

    QTemporaryDir dir_;
    QString folder_;
    MMODULE mm_;
    test::RecordingMessagePort port_;
    test::TestFrame frame_;
    AppContext ctx_;
    std::unique_ptr<MortgageCalc> window_;
};

TEST_F(TableFileWindowTest, MortgageRoundTrip) {
    MortgageCalc& w = Open(1);
    Type(w.InPrincipal, "250000");
    Type(w.InRate, "6.5");
    Type(w.InTerm, "30");
    Pick(w.Comperiod, "   Semiannual");
    Pick(w.FreqPmt, " Biweekly(Acc)");
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    SetDays(2);
    SetDateMode(1);
    SetPrePayments(30, {{2, 5000}, {7, 12000.5}});
    Calculate();
    ASSERT_NE(mm_.ResultRowCount, 0);
    const Snapshot before = Take();

    Save("Plan.KMD");
    EXPECT_TRUE(port_.messages.empty());
    EXPECT_EQ(mm_.LastMortgageFile, "plan.kmd");
    EXPECT_EQ(mm_.DialogFileName, "");
    const std::string bytes = Bytes("plan.kmd");
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n") + 2),
              "250000,6.5,30,\"   Semiannual\",\" Biweekly(Acc)\",\"" + mm_.FirstPayDate +
                  "\",1,2,2,30,2,1,364,\"O\",0\r\n");
    EXPECT_NE(bytes.find("\r\n2,5000\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n7,12000.5\r\n"), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 31);

    ChangeEverything();
    ASSERT_NE(Take(), before);
    Load("plan.kmd");
    EXPECT_TRUE(port_.messages.empty());
    EXPECT_EQ(Take(), before);
    EXPECT_EQ(w.MDateNumber->text(), "&View payment No.");
    w.grab().save("/tmp/tables_window_opened.png");
    EXPECT_EQ(mm_.LastMortgageFile, "plan.kmd");
    EXPECT_EQ(mm_.FileKind, 0);
    EXPECT_EQ(mm_.DialogFileName, "");
    EXPECT_TRUE(w.isVisible());
}

TEST_F(TableFileWindowTest, LoanRoundTripOfThirtyMonths) {
    MortgageCalc& w = Open(2);
    Type(w.InPrincipal, "15000.5");
    Type(w.InRate, "9.25");
    Type(w.InTerm, "30");
    Pick(w.FreqPmt, "   Weekly(Acc)");
    SetDays(4, 364.5f);
    Calculate();
    ASSERT_NE(mm_.ResultRowCount, 0);
    const Snapshot before = Take();

    Save("car.kld");
    EXPECT_TRUE(port_.messages.empty());
    EXPECT_EQ(mm_.LastLoanFile, "car.kld");
    const std::string bytes = Bytes("car.kld");
    EXPECT_EQ(bytes.substr(0, bytes.find(",\"      Monthly\"")), "15000.5,9.25,2.5");
    EXPECT_NE(bytes.find(",0,4,1,0,0,2,364.5,\"O\",0\r\n"), std::string::npos) << bytes;

    ChangeEverything();
    Load("car.kld");
    EXPECT_TRUE(port_.messages.empty());
    EXPECT_EQ(Take(), before);
    EXPECT_EQ(w.InPrincipal->text(), "      $15,000.50");
    EXPECT_EQ(w.InRate->currentText(), "         9.250%");
    EXPECT_EQ(w.InTerm->currentText(), "              30");
    EXPECT_EQ(mm_.LoanInputs[3], 2.5);

    // A damaged loan file forgets the loan file's name, not the mortgage file's.
    Write("car.kld", bytes.substr(0, 20));
    mm_.LastMortgageFile = "house.kmd";
    Load("car.kld");
    EXPECT_EQ(port_.messages, std::vector<int>({13}));
    EXPECT_EQ(mm_.LastLoanFile, "");
    EXPECT_EQ(mm_.LastMortgageFile, "house.kmd");
    EXPECT_EQ(Take(), before);
}

TEST_F(TableFileWindowTest, SavedBeforeTheAdditionalPaymentsDialogHasOneLine) {
    Open(1);
    Calculate();
    Save("first.kmd");
    EXPECT_EQ(Bytes("first.kmd"), "100000,10.125,25,\"      Monthly\",\"      Monthly\",\"" +
                                      mm_.FirstPayDate + "\",0,1,1,0,0,1,365,\"O\",0\r\n");
    // The next dialog offers the name just used.
    QString preselected;
    Dialog driver([&](FileInfo& d) {
        preselected = d.TextBox->text();
        d.reject();
    });
    QTest::mouseClick(window_->MSaveFile, Qt::LeftButton);
    EXPECT_EQ(preselected, "first.kmd");
}

TEST_F(TableFileWindowTest, FixedDaysOptionReplacesTheStoredDaysAndCalculates) {
    MortgageCalc& w = Open(1);
    Write("days.kmd",
          "100000,10.125,25,\"      Monthly\",\"      2 Weeks\",\"2026-01-15\",0,0,1,"
          "0,0,1,300,\"O\",0\r\n");
    QTest::mouseClick(w.Option1, Qt::LeftButton);  // the file asks for annual rows
    Load("days.kmd");
    EXPECT_TRUE(port_.messages.empty());
    EXPECT_EQ(mm_.DaysInYear, 365.25f);
    EXPECT_EQ(mm_.BiWeeklyPeriods, 26.08928571);
    EXPECT_EQ(w.FreqPmt->currentText(), "      2 Weeks");
    EXPECT_EQ(mm_.RowView, 1);
    EXPECT_TRUE(w.Option2->isChecked());
    EXPECT_NE(mm_.ResultRowCount, 0);
    EXPECT_FALSE(w.InMonthPI->text().isEmpty());
}

// Damaged files, then mutated ones: each is either refused with message 13 and nothing of the
// window changed, or opened whole without a message.
TEST_F(TableFileWindowTest, DamagedFilesChangeNothing) {
    Open(1);
    Type(window_->InPrincipal, "180000");
    SetPrePayments(25, {{3, 1000}});
    Calculate();

    const std::string line1 =
        "100000,7.5,25,\"      Monthly\",\"      Monthly\",\"2024-06-15\",0,1,2,";
    const std::string good = line1 + "2,1,1,365,\"O\",0\r\n1,0\r\n2,500\r\n";
    std::string years46 = line1 + "46,0,1,365,\"O\",0\r\n";
    for (int y = 1; y <= 46; ++y) years46 += std::to_string(y) + ",0\r\n";
    std::mt19937 rng(5);
    std::string random(300, '\0');
    for (char& c : random) c = static_cast<char>(rng() % 256);
    std::vector<std::pair<std::string, std::string>> cases = {
        {"missing year line", good.substr(0, good.find("2,500"))},
        {"truncated line 1", good.substr(0, 40)},
        {"empty", ""},
        {"wrong field type", "\"100000\"" + good.substr(6)},
        {"46 year lines", years46},
        {"huge count", line1 + "30000,0,1,365,\"O\",0\r\n"},
        {"bad option", line1.substr(0, line1.size() - 4) + "9,2,0,0,1,365,\"O\",0\r\n"},
        {"loan table in a mortgage file", line1 + "0,0,2,365,\"O\",0\r\n"},
        {"random bytes", random},
    };
    const std::size_t damaged = cases.size();
    const std::string other =
        "120000,6.25,20,\"    Quarterly\",\"  Semimonthly\",\"2027-09-30\",1,4,2,3,1,1,364.25,"
        "\"O\",0\r\n1,0\r\n2,750\r\n3,0\r\n";
    for (int i = 0; i < 150; ++i) {
        std::string bytes = other;
        for (int e = 0; e < 1 + static_cast<int>(rng() % 3); ++e) {
            const std::size_t pos = rng() % bytes.size();
            switch (rng() % 4) {
                case 0:
                    bytes[pos] = static_cast<char>('0' + rng() % 10);
                    break;
                case 1:
                    bytes[pos] = static_cast<char>(rng() % 256);
                    break;
                case 2:
                    bytes.erase(pos, 1);
                    break;
                default:
                    bytes.resize(pos + 1);
                    break;
            }
        }
        cases.emplace_back("mutated " + std::to_string(i), bytes);
    }
    int refused = 0, opened = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& [what, bytes] = cases[i];
        SCOPED_TRACE(what);
        Write("bad.kmd", bytes);
        mm_.LastMortgageFile = "bad.kmd";
        const Snapshot before = Take();
        port_.messages.clear();
        Load("bad.kmd");
        ASSERT_TRUE(window_->isVisible());
        if (i < damaged || !port_.messages.empty()) {
            ++refused;
            ASSERT_EQ(port_.messages, std::vector<int>({13})) << bytes;
            ASSERT_EQ(Take(), before) << bytes;
            EXPECT_EQ(mm_.LastMortgageFile, "");
        } else {
            ++opened;
            const auto file = ParseTableFile(bytes);
            ASSERT_TRUE(file) << bytes;
            EXPECT_EQ(mm_.LoanInputs[1], file->principal);
            EXPECT_EQ(mm_.PrePayYears, file->prePayYears);
        }
    }
    EXPECT_GT(refused, 50);
    EXPECT_GT(opened, 5);

    // A file that went away between choosing and reading.
    const Snapshot before = Take();
    port_.messages.clear();
    Dialog driver([this](FileInfo& d) {
        TypeAndPress(d, "bad.kmd");
        QFile::remove(folder_ + "/bad.kmd");
    });
    QTest::mouseClick(window_->MLoadFile, Qt::LeftButton);
    EXPECT_EQ(port_.messages, std::vector<int>({13}));
    EXPECT_EQ(Take(), before);
}

// Saving without a result gives message 15; cancelling either dialog changes nothing.
TEST_F(TableFileWindowTest, SavingNeedsAResultAndCancellingChangesNothing) {
    Open(1);
    {
        Dialog driver([](FileInfo& d) { d.reject(); });
        QTest::mouseClick(window_->MSaveFile, Qt::LeftButton);
        EXPECT_EQ(port_.messages, std::vector<int>({15}));
        EXPECT_FALSE(driver.ran());
    }
    port_.messages.clear();
    Calculate();
    const Snapshot before = Take();
    for (QPushButton* command : {window_->MLoadFile, window_->MSaveFile}) {
        Dialog driver([](FileInfo& d) { QTest::mouseClick(d.DlgButton[1], Qt::LeftButton); });
        QTest::mouseClick(command, Qt::LeftButton);
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(mm_.FileKind, 0);
        EXPECT_EQ(mm_.DialogFileName, "");
        EXPECT_EQ(Take(), before);
        EXPECT_TRUE(port_.messages.empty());
    }
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(QDir(folder_).entryList(QDir::Files).isEmpty());
}

TEST_F(TableFileWindowTest, SavingReplacesAFileWholeOrReportsTheKindsMessage) {
    Open(1);
    Calculate();
    Write("old.kmd", std::string(5000, 'x'));
    Save("old.kmd");
    EXPECT_TRUE(port_.messages.empty());
    EXPECT_EQ(ReadTableFile(Path("old.kmd")).value().principal, 100000);
    EXPECT_EQ(QDir(folder_).entryList(QDir::Files | QDir::Hidden), QStringList({"old.kmd"}));

    for (std::int16_t mode : {1, 2}) {
        Open(mode);
        Calculate();
        const QString name = mode == 1 ? "taken.kmd" : "taken.kld";
        QDir(folder_).mkpath(name + "/inside");  // a folder where the file would go
        port_.messages.clear();
        mm_.LastMortgageFile.clear();
        Save(name);
        EXPECT_EQ(port_.messages, std::vector<int>({mode == 1 ? 14 : 25}));
        EXPECT_TRUE(QFileInfo(folder_ + "/" + name + "/inside").isDir());
        EXPECT_EQ(mode == 1 ? mm_.LastMortgageFile : mm_.LastLoanFile, "");
    }
}

// Inside the real frame: the window's MDI child is hidden while the dialog is open and shown
// again afterwards; the dialog sits at its offset from the frame.
TEST(TableFileInFrame, HidesAndShowsTheChildWindow) {
    MMODULE mm;
    mm.CurrencySymbol = "$";
    mm.FirstPayDate = ShortDateText(QDate(2025, 3, 1));
    QTemporaryDir dir;
    mm.DialogFolder = QDir(dir.path()).canonicalPath().toStdString() + "/";
    test::RecordingMessagePort port(&mm);
    MDIContainer frame(mm);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    AppContext ctx{mm, port, frame};
    auto* window = new MortgageCalc(ctx);
    frame.showChild(window);
    QWidget* child = frame.subWindowOf(window);
    ASSERT_NE(child, nullptr);
    QTest::mouseClick(window->MCalc, Qt::LeftButton);
    ASSERT_NE(mm.ResultRowCount, 0);

    bool childHidden = false;
    QPoint position;
    Dialog driver([&](FileInfo& d) {
        childHidden = !child->isVisible();
        position = d.pos();
        TypeAndPress(d, "framed.kmd");
    });
    QTest::mouseClick(window->MSaveFile, Qt::LeftButton);
    ASSERT_TRUE(driver.ran());
    EXPECT_TRUE(childHidden);
    EXPECT_TRUE(child->isVisible());
    EXPECT_TRUE(window->isVisible());
    // The frame grows to show the tables window whole, which may make it a large frame.
    const QPoint offset =
        SmallFrame(mm.FrameClass) ? QPoint(Px(2000), Px(1200)) : QPoint(Px(3000), Px(2000));
    EXPECT_EQ(position, frame.frameOrigin() + offset);
    EXPECT_TRUE(QFile::exists(dir.filePath("framed.kmd")));
    EXPECT_TRUE(port.messages.empty());
}

}  // namespace
}  // namespace bw
