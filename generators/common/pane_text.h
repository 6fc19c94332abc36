#pragma once

#include <QString>

namespace zel {

// The generated blocks end their lines with "\r\n", as the control's program files do, but a
// multi-line text box keeps its lines apart with "\n" and would turn a lone "\r" into a line
// break of its own (every "\r\n" would become an empty line). These two conversions are the
// only way a block goes into an output pane and comes back out of it.

// The block as the pane shows it: every "\r\n", and any stray "\r", becomes "\n".
QString BlockToPaneText(const QString& block);

// The pane's text as a block: every line break ("\n", or a "\r\n" or "\r" that found its way
// in) becomes "\r\n". BlockToPaneText followed by this gives back a "\r\n" block unchanged.
QString PaneTextToBlock(const QString& pane_text);

// Where a position in a block (a line end counting two) lies in the pane's text (where it
// counts one).
qsizetype BlockPositionToPanePosition(const QString& block, qsizetype block_position);

// What a block comes back as after an output pane has held it: its line ends "\r\n", and
// what the text box itself turns into something else (a no-break space into a blank, a line
// or paragraph separator into a line break) so turned.
QString PaneRoundTrip(const QString& block);

// Where the last line of a block begins (the line before its final line end), in the block's
// terms: the place of the next statement in a block whose last line is its END.
qsizetype LastLineStart(const QString& block);

}  // namespace zel
