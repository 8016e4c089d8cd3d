#pragma once
// The program's help viewer: shows the help file (HTML) in a window of its own, maximized.

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace bw {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the help file; false when it cannot be read (the window then shows nothing new).
    bool openFile(const QString& path);
    // Shows a plain text instead of a help file (the places looked in when there is none).
    void showText(const QString& text);
    // Shows the window maximized, in front, with the focus in the text.
    void showHelp();

    QTextBrowser* HelpText;
    QPushButton* HelpContents;
    QPushButton* HelpBack;
    QPushButton* HelpForward;
    QPushButton* HelpClose;

  private:
    QString path_;
};

}  // namespace bw
