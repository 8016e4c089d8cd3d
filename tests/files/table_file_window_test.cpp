// "Sa&ve File" and "&Open File" of the tables window, through the file dialog: a saved table
// opens again as it was, a damaged file changes nothing, and each failure has its message.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "files/file_info.h"
#include "shell/dates.h"
#include "shell/ms_grid.h"
#include "support/file_bytes.h"
#include "support/window_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class TableFileWindowTest : public ::testing::Test, protected test::WindowContext {
  protected:
    TableFileWindowTest() {
        folder_ = QDir(dir_.path()).canonicalPath();
        mm.DialogFolder = folder_.toStdString() + "/";
    }
    MortgageCalc& Open(std::int16_t mode) {
        mm.TableMode = mode;
        w_ = std::make_unique<MortgageCalc>(ctx);
        w_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w_.get()));
        return *w_;
    }
    void Type(QWidget* box, const QString& keys) { typeInto(box, keys + "\n"); }
    // The command, with `name` typed into the dialog; false when the window stayed visible.
    bool Use(QPushButton* command, const QString& name) {
        bool hidden = false;
        test::ModalDriver<FileInfo> driver([&](FileInfo& d) {
            hidden = !w_->isVisible();
            d.TextBox->setText(name);
            d.DlgButton[0]->click();
        });
        command->click();
        EXPECT_TRUE(w_->isVisible());
        EXPECT_EQ(mm.FileKind, 0);
        return hidden;
    }
    std::vector<QString> Shown() const {
        std::vector<QString> s;
        for (QWidget* box :
             {static_cast<QWidget*>(w_->InPrincipal), static_cast<QWidget*>(w_->InRate),
              static_cast<QWidget*>(w_->InTerm), static_cast<QWidget*>(w_->Comperiod),
              static_cast<QWidget*>(w_->FreqPmt), static_cast<QWidget*>(w_->InMonthPI)})
            s.push_back(test::TextOf(box));
        for (int r = 0; r < w_->MGrid->rows(); ++r)
            for (int c = 0; c < w_->MGrid->cols(); ++c)
                s.push_back(QString::fromStdString(w_->MGrid->textAt(r, c)));
        return s;
    }
    std::string Path(const char* name) const { return (folder_ + "/" + name).toStdString(); }

    QTemporaryDir dir_;
    QString folder_;
    std::unique_ptr<MortgageCalc> w_;
};

// A 30-month loan: 2.5 years in the file, 30 months in the period box again after opening.
TEST_F(TableFileWindowTest, ASavedTableOpensAsItWas) {
    MortgageCalc& w = Open(2);
    Type(w.InPrincipal, "15000.5");
    Type(w.InRate, "9.25");
    Type(w.InTerm, "30");
    w.MCalc->click();
    const auto before = Shown();
    EXPECT_TRUE(Use(w.MSaveFile, "Car.KLD"));
    EXPECT_EQ(mm.LastLoanFile, "car.kld");
    EXPECT_EQ(test::ReadBytes(Path("car.kld")).substr(0, 16), "15000.5,9.25,2.5");
    Type(w.InPrincipal, "1234");
    w.MCalc->click();
    ASSERT_NE(Shown(), before);
    EXPECT_TRUE(Use(w.MLoadFile, "car.kld"));
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(test::TextOf(w.InTerm).trimmed(), "30");
}

TEST_F(TableFileWindowTest, ADamagedFileChangesNothingAndForgetsItsName) {
    MortgageCalc& w = Open(1);
    w.MCalc->click();
    const auto before = Shown();
    ASSERT_TRUE(test::WriteBytes(Path("bad.kmd"), "100000,7.5,25,\"      Monthly\"\r\n"));
    mm.LastMortgageFile = "bad.kmd";
    Use(w.MLoadFile, "bad.kmd");
    EXPECT_EQ(port.messages, std::vector<int>({13}));
    EXPECT_EQ(mm.LastMortgageFile, "");
    EXPECT_EQ(Shown(), before);
}

TEST_F(TableFileWindowTest, SavingWithoutAResultGivesFifteen) {
    Open(1).MSaveFile->click();
    EXPECT_EQ(port.messages, std::vector<int>({15}));
}

TEST_F(TableFileWindowTest, AFileThatCannotBeWrittenGivesTheKindsMessage) {
    for (std::int16_t mode : {1, 2}) {
        MortgageCalc& w = Open(mode);
        w.MCalc->click();
        const char* name = mode == 1 ? "taken.kmd" : "taken.kld";
        QDir(folder_).mkpath(QString(name) + "/inside");  // a folder where the file would go
        port.messages.clear();
        Use(w.MSaveFile, name);
        EXPECT_EQ(port.messages, std::vector<int>({mode == 1 ? 14 : 25}));
    }
}

}  // namespace
}  // namespace bw
