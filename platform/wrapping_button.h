#pragma once

#include <QPushButton>
#include <QStringList>

class QFontMetrics;

namespace zel {

// A push button whose caption breaks at its blanks onto as many lines as the button's width
// needs, never inside a word, the way the control's panel shows a long caption on a narrow
// button: "プログラム  書き込み" stands on two lines, "   チャック   心押し" too. The
// caption itself (text()) stays as given.
class WrappingButton : public QPushButton {
  Q_OBJECT

 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The lines of `caption` broken at its blanks so that each is at most `width` wide in
// `metrics`, where the words allow; a word wider than that stands alone on its line. Runs of
// blanks count as one break.
QStringList WrapAtBlanks(const QString& caption, const QFontMetrics& metrics, int width);

}  // namespace zel
