#pragma once
// A list box that shows its current entry right-aligned, like the number boxes beside it (the
// entries of the program's lists carry leading blanks for that purpose).

#include <QComboBox>

namespace bw {

class RightAlignedCombo : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace bw
