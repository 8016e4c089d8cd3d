#include "shell/change_fnt.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "shell/colours.h"
#include "shell/dialog_font.h"
#include "shell/dialog_placement.h"
#include "shell/keyboard_access.h"
#include "shell/menu_main.h"
#include "shell/settings_file.h"

namespace bw {

namespace {

void SetGeometryTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QLabel* CyanLabel(QWidget* parent, const char* name, const char* caption) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(label, colours::kHelp);
    return label;
}

// A yellow text box named for screen readers after the caption of its label.
QLineEdit* YellowBox(QWidget* parent, const char* name, int maxLength, const QLabel* caption) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    // The settings file keeps its strings in double quotes: neither box takes one, not even
    // when pasted.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), box));
    box->setTextMargins(0, 0, 0, 0);
    SetBackground(box, colours::kInput);
    SetAccessibleCaption(box, caption->text());
    return box;
}

bool IsEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// A key that types a character into a box (Tab and Escape move the focus or close the dialog).
bool IsTypedKey(const QKeyEvent* e) {
    if (e->text().isEmpty()) return false;
    return e->key() != Qt::Key_Tab && e->key() != Qt::Key_Backtab && e->key() != Qt::Key_Escape;
}

// Blanks at either end of the typed symbol are not part of it.
QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

}  // namespace

ChangeFnt::ChangeFnt(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("ChangeFnt");
    setWindowTitle("Personalize");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(Px(3675), Px(4530));
    UseDialogFont(*this);

    Frame1 = new QGroupBox("Change interest compound period", this);
    Frame1->setObjectName("Frame1");
    SetGeometryTwips(Frame1, 270, 45, 3165, 1140);
    const char* periods[5] = {"Monthly", "Bi-Monthly", "Quarterly", "Semi-Annual", "Annual"};
    const int periodGeometry[5][4] = {{135, 270, 1095, 285},
                                      {135, 540, 1365, 285},
                                      {135, 810, 1095, 285},
                                      {1620, 270, 1410, 285},
                                      {1620, 540, 1095, 285}};
    for (int i = 0; i < 5; ++i) {
        CPeriod[i] = new QRadioButton(periods[i], Frame1);
        CPeriod[i]->setObjectName(QStringLiteral("CPeriod(%1)").arg(i));
        const int* g = periodGeometry[i];
        SetGeometryTwips(CPeriod[i], g[0], g[1], g[2], g[3]);
    }

    Frame2 = new QGroupBox("Change printer fonts", this);
    Frame2->setObjectName("Frame2");
    SetGeometryTwips(Frame2, 270, 1305, 3165, 885);
    PtrFt[0] = new QRadioButton("Standard printer font.", Frame2);
    PtrFt[0]->setObjectName("PtrFt(0)");
    SetGeometryTwips(PtrFt[0], 135, 270, 2310, 255);
    PtrFt[1] = new QRadioButton("Courier New 11 point font.", Frame2);
    PtrFt[1]->setObjectName("PtrFt(1)");
    SetGeometryTwips(PtrFt[1], 135, 540, 2940, 255);

    Label3 = CyanLabel(this, "Label3", " Change the currency symbol");
    SetGeometryTwips(Label3, 270, 2250, 2820, 285);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    InSy = YellowBox(this, "InSy", 2, Label3);
    InSy->setAlignment(Qt::AlignCenter);
    SetGeometryTwips(InSy, 3105, 2250, 330, 285);

    Label2 = CyanLabel(this, "Label2", " Type in your name");
    SetGeometryTwips(Label2, 270, 2610, 3165, 600);
    InMyName = YellowBox(this, "InMyName", 97, Label2);
    SetGeometryTwips(InMyName, 405, 2880, 2940, 285);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    SetGeometryTwips(Label1, 0, 4095, 3660, 420);

    ExitFonts = new QPushButton("E&xit to Menu", this);
    ExitFonts->setObjectName("ExitFonts");
    SetGeometryTwips(ExitFonts, 1125, 4140, 1635, 325);
    ExitFonts->setAutoDefault(false);

    // The name box comes first.
    setTabOrder(InMyName, ExitFonts);
    setTabOrder(ExitFonts, CPeriod[0]);
    setTabOrder(CPeriod[0], PtrFt[0]);
    setTabOrder(PtrFt[0], InSy);

    for (int i = 0; i < 5; ++i) {
        connect(CPeriod[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) CPeriod_Click(i);
        });
    }
    for (int i = 0; i < 2; ++i) {
        connect(PtrFt[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) PtrFt_Click(i);
        });
    }
    connect(ExitFonts, &QPushButton::clicked, this, &ChangeFnt::ExitFonts_Click);
    InSy->installEventFilter(this);
    InMyName->installEventFilter(this);
    EnterPressesButtons(this);

    Form_Load();
}

void ChangeFnt::Form_Load() {
    ctx_.frame.setFrameCaption(" Personalize");
    MMODULE& mm = ctx_.mm;
    // A value outside the choices (from an edited file) leaves no option switched on.
    const int compounding = mm.DefaultCompounding;
    const int font = mm.PrinterFontChoice;
    if (compounding >= 0 && compounding < 5) CPeriod[compounding]->setChecked(true);
    if (font >= 0 && font < 2) PtrFt[font]->setChecked(true);
    InSy->setText(QString::fromStdString(mm.CurrencySymbol));
    InMyName->setText(QString::fromStdString(mm.UserName));
    InMyName->setFocus();
}

void ChangeFnt::showEvent(QShowEvent* event) {
    PlaceDialog(*this, ctx_.frame, Offset(ctx_.mm.FrameClass));
    QDialog::showEvent(event);
}

void ChangeFnt::CPeriod_Click(int index) {
    ctx_.mm.DefaultCompounding = static_cast<std::int16_t>(index);
}

void ChangeFnt::PtrFt_Click(int index) {
    ctx_.mm.PrinterFontChoice = static_cast<std::int16_t>(index);
}

void ChangeFnt::InSy_Click() {
    InSy->clear();
    ctx_.mm.TypingFlag = 1;
}

bool ChangeFnt::InSy_KeyPress(QKeyEvent* event) {
    if (event->text() == QLatin1String("\"")) return true;
    if (IsEnter(event)) {
        InMyName->setFocus();
        return true;
    }
    if (ctx_.mm.TypingFlag == 0 && IsTypedKey(event)) {
        InSy->clear();
        ctx_.mm.TypingFlag = 1;
    }
    return false;
}

void ChangeFnt::InSy_LostFocus() {
    if (ctx_.mm.TypingFlag == 1) {
        ctx_.mm.CurrencySymbol = InSy->text().toStdString();
        ctx_.mm.TypingFlag = 0;
    }
}

bool ChangeFnt::InMyName_KeyPress(QKeyEvent* event) {
    if (event->text() == QLatin1String("\"")) return true;
    if (IsEnter(event)) {
        ExitFonts->setFocus();
        return true;
    }
    return false;
}

void ChangeFnt::InMyName_LostFocus() {
    ctx_.mm.UserName = InMyName->text().toStdString();
    ctx_.mm.TypingFlag = 0;
}

bool ChangeFnt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InSy) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                InSy_Click();
                break;
            case QEvent::KeyPress:
                if (InSy_KeyPress(static_cast<QKeyEvent*>(event))) return true;
                break;
            case QEvent::FocusOut:
                InSy_LostFocus();
                break;
            default:
                break;
        }
    } else if (watched == InMyName) {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (InMyName_KeyPress(static_cast<QKeyEvent*>(event))) return true;
                break;
            case QEvent::FocusOut:
                InMyName_LostFocus();
                break;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChangeFnt::ExitFonts_Click() {
    MMODULE& mm = ctx_.mm;
    // The name box may still have the focus when the button is pressed from the keyboard.
    mm.UserName = InMyName->text().toStdString();
    mm.CurrencySymbol = TrimBlanks(InSy->text()).toStdString();

    Settings settings;
    settings.printerFontChoice = mm.PrinterFontChoice;
    settings.userName = mm.UserName;
    settings.currencySymbol = mm.CurrencySymbol;
    settings.defaultCompounding = mm.DefaultCompounding;
    // A settings file that cannot be written is passed over: the choices hold for this run.
    WriteSettings(MenuMain::ProgramFile(mm, kSettingsFileName).toStdString(), settings);

    ctx_.frame.setFrameCaption(" Brindlewood Menu");
    accept();
}

}  // namespace bw
