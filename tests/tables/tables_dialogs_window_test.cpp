// The tables window with its dialogs, end to end: additional payments, days in year, term and
// payment dates chosen through the dialogs, "&Calculate" pressed, and the grid and result boxes
// compared with what "brindlewood-cli table" gives for the same choices.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "shell/dates.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "support/gui_drive.h"
#include "tables/m_sel_term.h"
#include "tables/mort_date_input.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

using test::PickOption;
using test::TypeKeys;

class TablesDialogsWindowTest : public ::testing::Test, public test::WindowContext {
  protected:
    TablesDialogsWindowTest() {
        mm.FirstPayDate = ShortDateText(QDate(2026, 1, 20));
        mm.TableMode = 1;
        window = std::make_unique<MortgageCalc>(ctx);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Presses a command button of the window; `act` runs on the dialog it opens, while the
    // dialog's exec() runs. Returns false when no dialog opened.
    template <class D>
    bool press(QPushButton* button, std::function<void(D&)> act) {
        auto opened = std::make_shared<bool>(false);
        auto waiting = std::make_shared<bool>(true);
        waitForDialog<D>(
            [opened, act](D& d) {
                *opened = true;
                act(d);
            },
            waiting);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(30);
        *waiting = false;  // a dialog that opens later is none of this press's business
        // The window becomes the active one again once its dialog has closed.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *opened;
    }

    template <class D>
    static void waitForDialog(std::function<void(D&)> act, std::shared_ptr<bool> waiting,
                              int triesLeft = 100) {
        QTimer::singleShot(10, [act, waiting, triesLeft] {
            if (!*waiting) return;
            if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
                *waiting = false;
                act(*d);
                if (d->isVisible()) d->close();  // never leave a test hanging
            } else if (triesLeft > 0) {
                waitForDialog<D>(act, waiting, triesLeft - 1);
            }
        });
    }

    // Additional payments typed into the dialog: year → keys; then the month option and "&OK".
    void prePay(const std::vector<std::pair<int, QString>>& amounts, int monthOption) {
        ASSERT_TRUE(press<MortPrePay>(window->MAddPrePay, [&](MortPrePay& d) {
            for (const auto& [year, keys] : amounts) {
                d.PGrid->setRow(year);
                TypeKeys(d.PGrid, keys);
            }
            PickOption(d.InMth[static_cast<std::size_t>(monthOption)]);
            QTest::mouseClick(d.UsePrePay, Qt::LeftButton);
        }));
    }

    // A new period typed into the period box, then Enter.
    void typePeriod(const QString& keys) {
        window->InTerm->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        TypeKeys(window->InTerm, keys + "\n");
    }

    void calculate() { QTest::mouseClick(window->MCalc, Qt::LeftButton); }

    void allPayments() { QTest::mouseClick(window->Option1, Qt::LeftButton, {}, QPoint(6, 8)); }

    std::string cell(int row, int col) const { return window->MGrid->textAt(row, col); }

    bool gridEmpty() const {
        for (int r = 1; r < window->MGrid->rows(); ++r)
            for (int c = 0; c < window->MGrid->cols(); ++c)
                if (!cell(r, c).empty()) return false;
        return true;
    }

    // The CLI's JSON for the same choices.
    QJsonObject cli(std::vector<std::string> args) {
        args.insert(args.end(), {"--format", "json", "--folder", folder.path().toStdString()});
        std::ostringstream out, err;
        const int code = cli::RunTable(args, out, err);
        EXPECT_EQ(code, 0) << err.str();
        QJsonParseError parseError;
        const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &parseError);
        EXPECT_EQ(parseError.error, QJsonParseError::NoError) << out.str();
        return doc.object();
    }

    static std::string S(const QJsonValue& v) { return v.toString().toStdString(); }

    // Every text of the window's results against the CLI's: boxes, heading, rows, totals row,
    // the list of applied additional payments and the print text.
    void expectSameAsCli(const std::vector<std::string>& args) {
        const QJsonObject j = cli(args);
        ASSERT_FALSE(j.isEmpty());
        const QJsonObject boxes = j["boxes"].toObject();
        EXPECT_EQ(window->InDays->text().toStdString(), S(boxes["InDays"]));
        EXPECT_EQ(window->PeriodicR->text().toStdString(), S(boxes["PeriodicR"]));
        EXPECT_EQ(window->NumPmtsYear->text().toStdString(), S(boxes["NumPmtsYear"]));
        EXPECT_EQ(window->InMonthPI->text().toStdString(), S(boxes["InMonthPI"]));
        EXPECT_EQ(window->EndMortYear->text().toStdString(), S(boxes["EndMortYear"]));
        EXPECT_EQ(window->AllPayments->text().toStdString(), S(boxes["AllPayments"]));
        EXPECT_EQ(window->TotSavd->text().toStdString(), S(boxes["TotSavd"]));
        EXPECT_EQ(cell(0, 0), S(j["heading"]));

        const QJsonArray rows = j["rows"].toArray();
        ASSERT_GT(rows.size(), 0);
        EXPECT_EQ(mm.GridRows, rows.size());
        for (int r = 1; r <= rows.size(); ++r) {
            const QJsonArray cells = rows[r - 1].toObject()["cells"].toArray();
            for (int c = 0; c < 6; ++c)
                ASSERT_EQ(cell(r, c), S(cells[c])) << "row " << r << " col " << c;
        }
        const int totalsRow = j["totals_row"].toInt();
        const QJsonArray totals = j["totals"].toArray();
        for (int c = 0; c < 6; ++c)
            EXPECT_EQ(cell(totalsRow, c), S(totals[c])) << "totals col " << c;

        const QJsonArray applied = j["applied"].toArray();
        if (!applied.isEmpty()) {
            EXPECT_EQ(cell(totalsRow + 2, 0), "Additional ");
            EXPECT_EQ(cell(totalsRow + 2, 1), "Payments  ");
            EXPECT_EQ(cell(totalsRow + 2, 2), "Applied  ");
        }
        for (int i = 0; i < applied.size(); ++i) {
            const QJsonObject a = applied[i].toObject();
            const int row = totalsRow + 4 + i;  // the totals row is T + 2, the list from T + 6
            EXPECT_EQ(LeadingNumber(cell(row, 0).substr(4)), a["year"].toDouble()) << row;
            EXPECT_EQ(LeadingNumber(cell(row, 1).substr(6)), a["month"].toDouble()) << row;
            EXPECT_EQ(cell(row, 2), FormatNumber(a["amount"].toDouble(), "###,,###.00")) << row;
        }
        const int afterList = totalsRow + 4 + static_cast<int>(applied.size());
        if (afterList < window->MGrid->rows()) {
            EXPECT_EQ(cell(afterList, 0), "");
        }
        ASSERT_GE(mm.PrintLines.size(), 2u);
        EXPECT_EQ(mm.PrintLines[1], S(j["print_text"]));
    }

    std::unique_ptr<MortgageCalc> window;
    QTemporaryDir folder;  // an empty program folder: the CLI's default settings ("$")
};

// ---------------------------------------------------------------- additional payments

// Amounts and a month chosen in the dialog give the listed payments, and every text in both views
// is what the command line gives for the same choices.
TEST_F(TablesDialogsWindowTest, AdditionalPaymentsLikeTheCli) {
    struct Case {
        std::vector<std::pair<int, QString>> amounts;
        int option;  // " 1" stores code 12, " 2" code 1, "12" code 11
        std::int16_t code;
        std::vector<std::string> cliArgs;
        std::vector<std::string> listed;  // year and month cells of the applied payments
    } cases[] = {
        {{{2, "5000"}, {4, "10000"}},
         0,
         12,
         {"--prepay", "2=5000", "--prepay", "4=10000", "--prepay-month", "1"},
         {"Year    2", " Month   1", "Year    4", " Month   1"}},
        {{{1, "2500.5"}, {3, "7000"}},
         11,
         11,
         {"--prepay", "1=2500.50", "--prepay", "3=7000", "--prepay-month", "12"},
         {"Year    1", " Month  12", "Year    3", " Month  12"}},
        {{{1, "1000"}, {2, "1000"}},
         1,
         1,
         {"--prepay", "1=1000", "--prepay", "2=1000", "--prepay-month", "2"},
         {"Year    1", " Month   2", "Year    2", " Month   2"}},
        // An amount too large to apply shortens the list.
        {{{2, "5000"}, {4, "900000"}},
         0,
         12,
         {"--prepay", "2=5000", "--prepay", "4=900000"},
         {"Year    2", " Month   1", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cliArgs[1]);
        for (auto& year : mm.PrePayTable) year[2] = Money();
        prePay(c.amounts, c.option);
        EXPECT_EQ(mm.PrePayMonth, c.code);
        EXPECT_EQ(mm.PrePayCount, 2);
        for (bool all : {false, true}) {
            QTest::mouseClick(all ? window->Option1 : window->Option2, Qt::LeftButton, {},
                              QPoint(6, 8));
            calculate();
            const int T = mm.GridRows;  // no term: the totals row is GridRows + 2
            EXPECT_EQ(cell(T + 2, 0), "Total:");
            for (int i = 0; i < 2; ++i) {
                EXPECT_EQ(cell(T + 6 + i, 0), c.listed[2 * i]);
                EXPECT_EQ(cell(T + 6 + i, 1), c.listed[2 * i + 1]);
            }
            std::vector<std::string> args = c.cliArgs;
            if (all) args.insert(args.end(), {"--view", "all"});
            expectSameAsCli(args);
        }
    }
}

TEST_F(TablesDialogsWindowTest, EraseAllRemovesTheList) {
    prePay({{2, "5000"}}, 3);
    ASSERT_TRUE(press<MortPrePay>(
        window->MAddPrePay, [](MortPrePay& d) { QTest::mouseClick(d.DoNotUse, Qt::LeftButton); }));
    EXPECT_EQ(mm.PrePayMonth, 12);
    calculate();
    for (int r = 1; r < window->MGrid->rows(); ++r) EXPECT_NE(cell(r, 0), "Additional ") << r;
    expectSameAsCli({});
}

TEST_F(TablesDialogsWindowTest, ChangingThePeriodDiscardsTheAmounts) {
    prePay({{2, "5000"}}, 0);
    typePeriod("20");
    calculate();
    EXPECT_EQ(mm.LoanInputs[3], 20);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayTable[2][2], Money());
    // The dialog now shows the 20 years with no amount.
    ASSERT_TRUE(press<MortPrePay>(window->MAddPrePay, [](MortPrePay& d) {
        EXPECT_EQ(d.PGrid->rows(), 21);
        EXPECT_EQ(d.PGrid->textAt(2, 1), ".00");
        d.close();
    }));
    EXPECT_TRUE(window->InMonthPI->text().isEmpty());  // opening it emptied the results
    calculate();
    expectSameAsCli({"--period", "20"});
}

// ---------------------------------------------------------------- days in year

TEST_F(TablesDialogsWindowTest, DaysInYearLikeTheCli) {
    struct Case {
        int option;
        QString typed;
        QString frequency;
        std::vector<std::string> cliArgs;
    } cases[] = {{0, "", "      2 Weeks", {"--days", "365.25", "--frequency", "2weeks"}},
                 {4, "364.5", "   Weekly(Acc)", {"--days", "364.5", "--frequency", "weekly-acc"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cliArgs[1]);
        ASSERT_TRUE(press<MortIRFTable>(window->MShowIRF, [&](MortIRFTable& d) {
            PickOption(d.IRFactor[static_cast<std::size_t>(c.option)]);
            if (!c.typed.isEmpty()) {
                QTest::mouseClick(d.InIRFDays, Qt::LeftButton);
                TypeKeys(d.InIRFDays, c.typed);
            }
            QTest::mouseClick(d.ExitMort, Qt::LeftButton);
        }));
        window->setFrequencyText(c.frequency.toStdString());
        calculate();
        EXPECT_EQ(window->InDays->text().trimmed().toStdString(), c.cliArgs[1]);
        expectSameAsCli(c.cliArgs);
    }
}

// ---------------------------------------------------------------- term

TEST_F(TablesDialogsWindowTest, Term5LikeTheCli) {
    ASSERT_TRUE(press<MSelTerm>(window->MTerm, [](MSelTerm& d) {
        PickOption(d.TermPeriod[5]);
        QTest::mouseClick(d.MTermExit, Qt::LeftButton);
    }));
    EXPECT_EQ(mm.DisplayTerm, 5);
    calculate();
    EXPECT_EQ(mm.GridRows, 5);
    EXPECT_EQ(cell(7, 0), "5 Yr. Term");
    expectSameAsCli({"--term", "5"});

    allPayments();
    calculate();
    EXPECT_EQ(mm.GridRows, 60);
    expectSameAsCli({"--term", "5", "--view", "all"});
}

// ---------------------------------------------------------------- payment dates

TEST_F(TablesDialogsWindowTest, DatesLikeTheCli) {
    const QDate first(2027, 3, 15);
    ASSERT_TRUE(press<MortDateInput>(window->MDateNumber, [&](MortDateInput& d) {
        TypeKeys(d.InDate, QString::fromStdString(ShortDateText(first)));
        QTest::mouseClick(d.OkExit, Qt::LeftButton);
    }));
    EXPECT_EQ(window->MDateNumber->text(), "&View payment No.");
    EXPECT_EQ(mm.DateMode, 1);
    allPayments();
    calculate();
    EXPECT_EQ(cell(0, 0), " Payment  Date");
    // One date per month in the short date form.
    for (int k = 1; k <= 14; ++k) EXPECT_EQ(cell(k, 0), ShortDateText(AddMonths(first, k - 1)));
    expectSameAsCli({"--dates", "--first-date", "2027-03-15", "--view", "all"});

    QTest::mouseClick(window->Option2, Qt::LeftButton, {}, QPoint(6, 8));
    calculate();
    expectSameAsCli({"--dates", "--first-date", "2027-03-15"});
}

TEST_F(TablesDialogsWindowTest, DateToggleTwiceReturnsToNumbersWithoutAskingAgain) {
    ASSERT_TRUE(press<MortDateInput>(window->MDateNumber, [](MortDateInput& d) {
        QTest::mouseClick(d.OkExit, Qt::LeftButton);
    }));
    EXPECT_EQ(mm.DateMode, 1);
    EXPECT_FALSE(press<MortDateInput>(window->MDateNumber, [](MortDateInput&) {}));
    EXPECT_EQ(window->MDateNumber->text(), "&View payment date");
    EXPECT_EQ(mm.DateMode, 0);
    EXPECT_EQ(mm.TypingFlag, 0);
    allPayments();
    calculate();
    EXPECT_EQ(cell(0, 0), "  Payment   No.  Year");
    EXPECT_EQ(cell(13, 0), "  13       2");
}

// ---------------------------------------------------------------- reset and quick help

TEST_F(TablesDialogsWindowTest, EachCommandEmptiesTheResults) {
    struct Command {
        const char* name;
        std::function<bool()> run;
    };
    const std::vector<Command> commands = {
        {"MAddPrePay",
         [&] {
             return press<MortPrePay>(window->MAddPrePay,
                                      [](MortPrePay& d) { d.UsePrePay->click(); });
         }},
        {"MShowIRF",
         [&] {
             return press<MortIRFTable>(window->MShowIRF,
                                        [](MortIRFTable& d) { d.ExitMort->click(); });
         }},
        {"MTerm",
         [&] { return press<MSelTerm>(window->MTerm, [](MSelTerm& d) { d.MTermExit->click(); }); }},
        {"MDateNumber",
         [&] {
             return press<MortDateInput>(window->MDateNumber,
                                         [](MortDateInput& d) { d.OkExit->click(); });
         }},
    };
    for (const auto& c : commands) {
        calculate();
        ASSERT_NE(mm.ResultRowCount, 0) << c.name;
        ASSERT_FALSE(window->InMonthPI->text().isEmpty()) << c.name;
        EXPECT_TRUE(c.run()) << c.name;
        EXPECT_TRUE(gridEmpty()) << c.name;
        EXPECT_TRUE(window->InMonthPI->text().isEmpty()) << c.name;
        EXPECT_EQ(mm.ResultRowCount, 0) << c.name;
        EXPECT_EQ(mm.TypingFlag, 0) << c.name;
        // Passing through the principal box afterwards leaves its value alone.
        QTest::mouseClick(window->InPrincipal, Qt::LeftButton);
        QTest::keyClick(window->InPrincipal, Qt::Key_Tab);
        EXPECT_EQ(mm.LoanInputs[1], 100000) << c.name;
    }
}

TEST_F(TablesDialogsWindowTest, QuickHelpStaysOpenWhileTheDialogsAreUsed) {
    QTest::mouseClick(window->MHelp, Qt::LeftButton);
    ASSERT_EQ(mm.HelpShown, 1);
    ASSERT_TRUE(window->MTextBox->isVisible());
    EXPECT_TRUE(press<MortPrePay>(window->MAddPrePay, [](MortPrePay& d) { d.UsePrePay->click(); }));
    EXPECT_TRUE(
        press<MortIRFTable>(window->MShowIRF, [](MortIRFTable& d) { d.ExitMort->click(); }));
    EXPECT_TRUE(press<MSelTerm>(window->MTerm, [](MSelTerm& d) { d.MTermExit->click(); }));
    EXPECT_TRUE(
        press<MortDateInput>(window->MDateNumber, [](MortDateInput& d) { d.OkExit->click(); }));
    EXPECT_EQ(mm.HelpShown, 1);
    EXPECT_TRUE(window->MTextBox->isVisible());
    EXPECT_FALSE(window->MGrid->isVisible());
    EXPECT_EQ(window->MHelp->text(), "Close &Help");
}

// The window after choices made in every dialog, for looking at it: BW_SCREENSHOTS=DIR.
TEST_F(TablesDialogsWindowTest, Screenshot) {
    const QString dir = qEnvironmentVariable("BW_SCREENSHOTS");
    if (dir.isEmpty()) GTEST_SKIP() << "set BW_SCREENSHOTS to a folder to save it";
    window->resize(window->sizeHint());
    prePay({{1, "5000"}, {3, "2500"}}, 0);
    ASSERT_TRUE(press<MSelTerm>(window->MTerm, [](MSelTerm& d) {
        PickOption(d.TermPeriod[5]);
        d.MTermExit->click();
    }));
    ASSERT_TRUE(press<MortDateInput>(window->MDateNumber, [](MortDateInput& d) {
        TypeKeys(d.InDate, QString::fromStdString(ShortDateText(QDate(2027, 3, 1))));
        d.OkExit->click();
    }));
    calculate();
    window->MGrid->scrollToTop();
    EXPECT_TRUE(window->grab().save(dir + "/tables_window_dialog_choices.png"));
}

}  // namespace
}  // namespace bw
