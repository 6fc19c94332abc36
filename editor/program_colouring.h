#pragma once

#include <QObject>

class QsciScintilla;

namespace zel {

// Colours the program words in an editor box (see program_styles.h for the classes). It is
// Scintilla's container lexing: Scintilla asks for the styles of the text it is about to
// show, and only that is styled. A request reaching far beyond the styled part (a jump
// into a large program) styles just the lines on the screen; the text between is styled
// when it comes into view.
class ProgramColouring : public QObject {
  Q_OBJECT

 public:
  // Starts colouring `box`; the colours go again with this object.
  explicit ProgramColouring(QsciScintilla& box);
  ~ProgramColouring() override;

  // Gives every style the font of the box's text (the address letters bold). Called again
  // when that font changes.
  void ApplyFonts();

  // Styles the text up to byte `position` now, as Scintilla would ask before showing it.
  void StyleTo(long position);

 private:
  QsciScintilla& box_;
};

}  // namespace zel
