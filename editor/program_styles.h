#pragma once

#include <QByteArrayView>

namespace zel {

// The word classes of the control's program language that the editor box colours. The
// values are Scintilla style numbers.
enum class ProgramStyle : unsigned char {
  kDefault = 0,   // numbers, signs, unknown words, blanks
  kComment = 1,   // "(" to ")" or to the line end
  kSequence = 2,  // the sequence label at the start of a line: N001, N000, NRTS
  kGCode = 3,     // G01, g96
  kMCode = 4,     // M03
  kFeedWord = 5,  // T0101, S180, F0.2
  kAddress = 6,   // the letter of an axis or parameter word followed by its number
  kKeyword = 7,   // NOEX, DEF, PS, CLEAR, ...; the subprogram name O...; V variables
  kRawByte = 8,   // a byte of the file that is no character of the code page
};
inline constexpr int kProgramStyleCount = 9;

// Styles one line of program text (UTF-8, without its line end): styles[i] receives the
// style of byte i. Lines are independent of each other: a comment that is not closed ends
// with its line, so a change restyles only the lines it touches.
void StyleProgramLine(QByteArrayView line, unsigned char* styles);

// Styles the rest of a line from a resume point (see FindResumePoint).
void StyleProgramLineFrom(QByteArrayView rest, unsigned char* styles);

// A place in a line from which the rest can be styled again alone, with
// StyleProgramLineFrom, after an edit in the rest: `head` is the line up to the edit and
// `styles` its styles as they stand. It is just after a blank of the default class (between
// words, outside comments and variable indexes) that follows a word other than CALL (so
// that no sequence label or subprogram name can come next). 0 when there is none.
qsizetype FindResumePoint(QByteArrayView head, const unsigned char* styles);

// Styles a run of whole lines (UTF-8; its line ends "\r\n", "\r" or "\n" get kDefault).
void StyleProgramText(QByteArrayView text, unsigned char* styles);

// Style s + kTwinStyleOffset looks exactly like style s (the colouring gives it the same
// font and colours).
inline constexpr unsigned char kTwinStyleOffset = 16;

// The class of a style number, twins included.
inline ProgramStyle ClassOfStyle(unsigned char style) {
  return static_cast<ProgramStyle>(style >= kTwinStyleOffset ? style - kTwinStyleOffset : style);
}

// Cuts every run of one style longer than max_run bytes into pieces, each ending after a
// blank or at max_run bytes (whole characters), that alternate between the style and its
// twin. Scintilla measures the widths of a run of one style as one piece and keeps only
// short pieces for the next layout; a line of several megabytes (a file without line ends)
// is laid out again on every keystroke, and what repeats in it (words, comments) is then
// measured once.
void AlternateLongRuns(QByteArrayView text, unsigned char* styles, qsizetype max_run);

}  // namespace zel
