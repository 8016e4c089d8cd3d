#include "shell/menu_main.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include "shell/change_fnt.h"
#include "shell/colours.h"
#include "shell/dates.h"
#include "shell/dialog_font.h"
#include "shell/help_window.h"
#include "shell/keyboard_access.h"
#include "shell/program_folder.h"
#include "shell/settings_file.h"
#include "shell/twips.h"

namespace bw {

namespace {

const char* const kMenuCaption = " Brindlewood Menu";

// Size of the menu window, in twips: with the frame at its start size the menu fills the frame,
// its borders just out of sight.
constexpr int kMenuWidth = 9615;
constexpr int kMenuHeight = 6480;

QPushButton* MenuButton(QWidget* parent, const char* name, const char* caption, int left, int top) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setGeometry(Px(left), Px(top), Px(3450), Px(495));
    QFont font = button->font();
    font.setPointSize(10);
    button->setFont(font);
    return button;
}

}  // namespace

MenuMain::MenuMain(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("MenuMain");
    setWindowTitle("Main Menu");
    setFixedSize(Px(kMenuWidth), Px(kMenuHeight));
    UseDialogFont(*this);

    Label2 = new QLabel("Brindlewood Win9", this);
    Label2->setObjectName("Label2");
    QFont title(QStringLiteral("MS Serif"));
    title.setStyleHint(QFont::Serif);
    title.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    title.setPointSize(26);
    title.setBold(true);
    Label2->setFont(title);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(0, Px(720), Px(kMenuWidth), Px(900));
    SetTextColour(Label2, colours::kTitleText);

    MyName = new QLabel(this);
    MyName->setObjectName("MyName");
    QFont nameFont = MyName->font();
    nameFont.setPointSize(12);
    nameFont.setItalic(true);
    MyName->setFont(nameFont);
    MyName->setAlignment(Qt::AlignCenter);
    MyName->setGeometry(Px(300), Px(1680), Px(kMenuWidth - 600), Px(420));
    MyName->setTextFormat(Qt::PlainText);
    MyName->hide();
    SetAccessibleCaption(MyName, QStringLiteral("User name"));

    // Calculators on the left, the program's own commands on the right.
    constexpr int kLeftCol = 1125;
    constexpr int kRightCol = 5025;
    constexpr int kFirstRow = 2700;
    constexpr int kRowStep = 780;
    MortCalc = MenuButton(this, "MortCalc", "Mortgage &Tables", kLeftCol, kFirstRow);
    PersonalLoan =
        MenuButton(this, "PersonalLoan", "Personal &Loan Tables", kLeftCol, kFirstRow + kRowStep);
    CompMort =
        MenuButton(this, "CompMort", "Mortgage &Comparisons", kLeftCol, kFirstRow + 2 * kRowStep);
    MFindFactor = MenuButton(this, "MFindFactor", "&Mortgage Affordability", kLeftCol,
                             kFirstRow + 3 * kRowStep);
    PtrFnt = MenuButton(this, "PtrFnt", "&Personalize Settings", kRightCol, kFirstRow);
    HowUse = MenuButton(this, "HowUse", "&How to Use the Program", kRightCol, kFirstRow + kRowStep);
    MPlanner =
        MenuButton(this, "MPlanner", "Mortgage Pla&nner", kRightCol, kFirstRow + 2 * kRowStep);
    EndMort = MenuButton(this, "EndMort", "E&xit Program", kRightCol, kFirstRow + 3 * kRowStep);

    // The focus in the menu is on its first button, so that the access keys work at once.
    setFocusProxy(MortCalc);

    connect(MortCalc, &QPushButton::clicked, this, &MenuMain::MortCalc_Click);
    connect(PersonalLoan, &QPushButton::clicked, this, &MenuMain::PersonalLoan_Click);
    connect(CompMort, &QPushButton::clicked, this, &MenuMain::CompMort_Click);
    connect(MFindFactor, &QPushButton::clicked, this, &MenuMain::MFindFactor_Click);
    connect(MPlanner, &QPushButton::clicked, this, &MenuMain::MPlanner_Click);
    connect(PtrFnt, &QPushButton::clicked, this, &MenuMain::PtrFnt_Click);
    connect(HowUse, &QPushButton::clicked, this, &MenuMain::HowUse_Click);
    connect(EndMort, &QPushButton::clicked, this, &MenuMain::EndMort_Click);
    EnterPressesButtons(this);

    Form_Load();
}

MenuMain::~MenuMain() {
    delete help_.data();
}

HelpWindow* MenuMain::helpWindow() const {
    return help_;
}

QString MenuMain::ProgramFile(const MMODULE& mm, const QString& name) {
    if (mm.ProgramFolder.empty()) return name;
    return QDir(QString::fromStdString(mm.ProgramFolder)).filePath(name);
}

void MenuMain::Form_Load() {
    // Each step stands alone: one that fails leaves its values as they were.
    ctx_.frame.setFrameCaption(kMenuCaption);
    if (!ctx_.mm.ProgramFolder.empty())
        QDir::setCurrent(QString::fromStdString(ctx_.mm.ProgramFolder));

    const Settings settings = ReadSettings(ProgramFile(ctx_.mm, kSettingsFileName).toStdString());
    ctx_.mm.PrinterFontChoice = settings.printerFontChoice;
    ctx_.mm.UserName = settings.userName;
    ctx_.mm.CurrencySymbol = settings.currencySymbol.empty() ? "$" : settings.currencySymbol;
    ctx_.mm.DefaultCompounding = settings.defaultCompounding;
    ShowUserName();

    ctx_.mm.PrePayMonth = 12;
    ctx_.mm.FirstPayDate = ShortDateText(Today());
}

void MenuMain::showEvent(QShowEvent* event) {
    // Shown again: the feature window that was open has been left.
    feature_ = nullptr;
    QWidget::showEvent(event);
}

void MenuMain::ShowUserName() {
    MyName->setText(QString::fromStdString(ctx_.mm.UserName));
    MyName->setVisible(!ctx_.mm.UserName.empty());
}

void MenuMain::openFeature(const WindowFactory& factory) {
    if (!factory || feature_) return;
    hide();
    QWidget* window = factory(ctx_);
    if (!window) {
        show();
        return;
    }
    feature_ = window;
    ctx_.frame.showChild(window);
}

void MenuMain::MortCalc_Click() {
    if (!factories_.tables || feature_) return;
    ctx_.mm.TableMode = 1;
    openFeature(factories_.tables);
}

void MenuMain::PersonalLoan_Click() {
    if (!factories_.tables || feature_) return;
    ctx_.mm.TableMode = 2;
    openFeature(factories_.tables);
}

void MenuMain::CompMort_Click() {
    openFeature(factories_.comparison);
}

void MenuMain::MFindFactor_Click() {
    openFeature(factories_.affordability);
}

void MenuMain::MPlanner_Click() {
    openFeature(factories_.planner);
}

void MenuMain::PtrFnt_Click() {
    hide();
    {
        ChangeFnt dialog(ctx_, ctx_.frame.dialogParent());
        dialog.exec();
    }
    // The choices took effect as they were made, so the name in memory shows however the
    // dialog was closed.
    ShowUserName();
    // The menu is in use again, however the dialog was closed.
    ctx_.frame.setFrameCaption(kMenuCaption);
    show();
    ctx_.frame.showMainMenu();
}

void MenuMain::HowUse_Click() {
    // The help file from the first place that has it; without one, the help window names the
    // places looked in.
    const std::vector<std::string> places = HelpFilePlaces(
        ctx_.mm.ProgramFolder, QCoreApplication::applicationDirPath().toStdString(), kHelpFileName);
    if (!help_) {
        help_ = new HelpWindow;
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    const std::string path = FirstReadableFile(places);
    if (path.empty() || !help_->openFile(QString::fromStdString(path)))
        help_->showText(QString::fromStdString(HelpFileMissingText(places)));
    help_->showHelp();
}

void MenuMain::EndMort_Click() {
    emit programEnd();
}

}  // namespace bw
