#include "shell/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/keyboard_access.h"

namespace bw {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle("Brindlewood Help");

    HelpContents = new QPushButton("&Contents", this);
    HelpContents->setObjectName("HelpContents");
    HelpBack = new QPushButton("&Back", this);
    HelpBack->setObjectName("HelpBack");
    HelpForward = new QPushButton("&Forward", this);
    HelpForward->setObjectName("HelpForward");
    HelpClose = new QPushButton("&Close Help", this);
    HelpClose->setObjectName("HelpClose");
    for (QPushButton* b : {HelpContents, HelpBack, HelpForward, HelpClose})
        b->setFocusPolicy(Qt::TabFocus);

    HelpText = new QTextBrowser(this);
    HelpText->setObjectName("HelpText");
    HelpText->setOpenLinks(true);
    HelpText->setOpenExternalLinks(false);
    SetAccessibleCaption(HelpText, QStringLiteral("Help text"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(HelpContents);
    buttons->addWidget(HelpBack);
    buttons->addWidget(HelpForward);
    buttons->addStretch(1);
    buttons->addWidget(HelpClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(HelpText, 1);

    HelpBack->setEnabled(false);
    HelpForward->setEnabled(false);
    connect(HelpText, &QTextBrowser::backwardAvailable, HelpBack, &QWidget::setEnabled);
    connect(HelpText, &QTextBrowser::forwardAvailable, HelpForward, &QWidget::setEnabled);
    connect(HelpBack, &QPushButton::clicked, HelpText, &QTextBrowser::backward);
    connect(HelpForward, &QPushButton::clicked, HelpText, &QTextBrowser::forward);
    connect(HelpContents, &QPushButton::clicked, this, [this] {
        if (!path_.isEmpty())
            HelpText->setSource(QUrl::fromLocalFile(path_), QTextDocument::HtmlResource);
        HelpText->setFocus();
    });
    connect(HelpClose, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    EnterPressesButtons(this);
}

bool HelpWindow::openFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return false;
    path_ = info.absoluteFilePath();
    HelpText->setSource(QUrl::fromLocalFile(path_), QTextDocument::HtmlResource);
    HelpText->clearHistory();
    return !HelpText->document()->isEmpty();
}

void HelpWindow::showHelp() {
    showMaximized();
    raise();
    activateWindow();
    HelpText->setFocus();
}

}  // namespace bw
