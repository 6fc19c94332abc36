#pragma once

#include <QObject>

class QsciScintilla;

namespace zel {

// Colours the program words in an editor box (see program_styles.h for the classes). It is
// Scintilla's container lexing: Scintilla asks for the styles of the text it is about to
// show, and only that is styled. A request reaching far beyond the styled part (a jump
// into a large program) styles just the lines on the screen; the text between is styled
// when it comes into view.
//
// With the words' colours off the text is styled all plain, but still in the short pieces
// of AlternateLongRuns: a line of megabytes is then laid out from measurements Scintilla
// keeps, with or without colours.
class ProgramColouring : public QObject {
  Q_OBJECT

 public:
  // Starts styling `box`, the words in their colours or all plain.
  ProgramColouring(QsciScintilla& box, bool words);
  ~ProgramColouring() override;

  // Switches the words' colours on or off; the text is styled afresh as it is shown.
  void SetWords(bool words);
  bool Words() const { return words_; }

  // Gives every style the font of the box's text (the address letters bold). Called again
  // when that font changes.
  void ApplyFonts();

  // Styles the text up to byte `position` now, as Scintilla would ask before showing it.
  void StyleTo(long position);

 private:
  QsciScintilla& box_;
  bool words_;
};

}  // namespace zel
