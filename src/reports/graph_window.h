#pragma once
// What the graph windows have in common: the chart over a row of four buttons ("Show Graph in
// &2D", "Show Graph in &3D", the print command and "E&xit to Menu"), the notice shown when the 3D
// view cannot be drawn, printing the window's picture after the two questions (continue, colour)
// at the print size and putting the window back, and leaving. Each window adds its data, its
// captions and how its two view buttons behave.

#include <QImage>
#include <QWidget>

#include "shell/app_context.h"

class QLabel;
class QPushButton;

namespace bw {

class BarGraph;

class GraphWindow : public QWidget {
    Q_OBJECT
  public:
    QPushButton* Sav2D = nullptr;     // "Show Graph in &2D"
    QPushButton* ThreeDee = nullptr;  // "Show Graph in &3D"
    QPushButton* Ptr = nullptr;       // the print command
    QPushButton* ExitBut = nullptr;   // "E&xit to Menu"
    BarGraph* Graph1 = nullptr;
    QLabel* MsgText = nullptr;  // says why the 3D view cannot be shown

    virtual void Sav2D_Click() = 0;
    virtual void ThreeDee_Click() = 0;
    // Question 1 (continue), question 2 (colour), the current view drawn again, the window's
    // picture at the print size on the printer, the window back at its size and place.
    void Ptr_Click();
    void ExitBut_Click();

    int colourFlag() const { return colourFlag_; }
    // The picture printed by the last print command (for checking what went to paper).
    const QImage& lastPrintedImage() const { return lastPrinted_; }

  signals:
    // The window has closed: the window that opened it shows itself again.
    void exited();

  protected:
    struct Look {
        const char* objectName;
        const char* title;
        const char* printCaption;   // the caption of `Ptr`
        const char* printDocument;  // the document name given to the printer
    };
    GraphWindow(AppContext& ctx, const Look& look, QWidget* parent);

    // One more button in the row of buttons, at `left` twips.
    QPushButton* addButton(const char* name, const char* caption, int left);

    // "Show Graph in &3D" usable and given the focus, "Show Graph in &2D" shown but not usable.
    void setButtonsFor2D();
    // "Show Graph in &2D" shown, usable and given the focus, "Show Graph in &3D" not usable.
    void setButtonsFor3D();
    // Shows the 3D view. Where OpenGL is missing the chart stays flat, the notice says why, and
    // the result is false.
    bool showChart3D();

    void closeEvent(QCloseEvent* event) override;

    AppContext& ctx_;

  private:
    void setWindowSize(int widthTwips, int heightTwips);
    void placeWindow();
    QImage windowImage();

    QString printDocument_;
    int colourFlag_ = 0;
    bool exited_ = false;
    QImage lastPrinted_;
};

}  // namespace bw
