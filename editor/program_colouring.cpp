#include "editor/program_colouring.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>

#include <algorithm>
#include <utility>
#include <vector>

#include "editor/program_styles.h"

namespace zel {
namespace {

// A request reaching more than this many bytes past the styled part styles only the lines
// on the screen.
constexpr long kStyleAhead = 1024 * 1024;

struct StyleLook {
  ProgramStyle style;
  QColor fore;
  bool bold = false;
  QColor back;  // invalid: the box's white
};

// Calm colours that read on the white background and in print.
const StyleLook kLooks[] = {
    {ProgramStyle::kComment, QColor(0x3A, 0x7D, 0x44), false, QColor()},   // muted green
    {ProgramStyle::kSequence, QColor(0x80, 0x80, 0x80), false, QColor()},  // grey
    {ProgramStyle::kGCode, QColor(0x1F, 0x4E, 0xB4), false, QColor()},     // blue
    {ProgramStyle::kMCode, QColor(0x9B, 0x1C, 0x1C), false, QColor()},     // dark red
    {ProgramStyle::kFeedWord, QColor(0x00, 0x7A, 0x80), false, QColor()},  // dark cyan
    {ProgramStyle::kAddress, QColor(Qt::black), true, QColor()},           // the letter bold
    {ProgramStyle::kKeyword, QColor(0x7B, 0x2F, 0x9E), false, QColor()},   // purple
    {ProgramStyle::kRawByte, QColor(Qt::white), false, QColor(0x30, 0x30, 0x30)},  // reversed
};

unsigned long StyleNumber(ProgramStyle style) { return static_cast<unsigned long>(style); }

// Runs of one style longer than this are cut into pieces (AlternateLongRuns): Scintilla
// keeps the widths of pieces under 30 bytes.
constexpr qsizetype kCachedRun = 24;

// How far before an edit in a long line a place to resume styling is looked for.
constexpr long kResumeWindow = 1024;

// What a style's twin copies from it besides the font name.
constexpr std::pair<unsigned int, unsigned int> kCopiedAttributes[] = {
    {QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, QsciScintillaBase::SCI_STYLESETSIZEFRACTIONAL},
    {QsciScintillaBase::SCI_STYLEGETWEIGHT, QsciScintillaBase::SCI_STYLESETWEIGHT},
    {QsciScintillaBase::SCI_STYLEGETITALIC, QsciScintillaBase::SCI_STYLESETITALIC},
    {QsciScintillaBase::SCI_STYLEGETCHARACTERSET, QsciScintillaBase::SCI_STYLESETCHARACTERSET},
    {QsciScintillaBase::SCI_STYLEGETFORE, QsciScintillaBase::SCI_STYLESETFORE},
    {QsciScintillaBase::SCI_STYLEGETBACK, QsciScintillaBase::SCI_STYLESETBACK},
    {QsciScintillaBase::SCI_STYLEGETEOLFILLED, QsciScintillaBase::SCI_STYLESETEOLFILLED},
};

}  // namespace

ProgramColouring::ProgramColouring(QsciScintilla& box, bool words)
    : QObject(&box), box_(box), words_(words) {
  box_.SendScintilla(QsciScintillaBase::SCI_SETLEXER,
                     static_cast<unsigned long>(QsciScintillaBase::SCLEX_CONTAINER));
  for (const StyleLook& look : kLooks) {
    box_.SendScintilla(QsciScintillaBase::SCI_STYLESETFORE, StyleNumber(look.style), look.fore);
    if (look.back.isValid())
      box_.SendScintilla(QsciScintillaBase::SCI_STYLESETBACK, StyleNumber(look.style), look.back);
  }
  ApplyFonts();
  connect(&box_, &QsciScintillaBase::SCN_STYLENEEDED, this, &ProgramColouring::StyleTo);
  // Everything is styled afresh from the start, as it is shown.
  box_.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL);
  box_.viewport()->update();
}

ProgramColouring::~ProgramColouring() = default;

void ProgramColouring::SetWords(bool words) {
  if (words == words_) return;
  words_ = words;
  box_.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL);
  box_.viewport()->update();
}

void ProgramColouring::ApplyFonts() {
  // Style 0 carries the box's font (QsciScintilla::setFont); the others copy it.
  QByteArray family(256, '\0');
  box_.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, uintptr_t{0}, family.data());
  const long size = box_.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, 0UL);
  const long weight = box_.SendScintilla(QsciScintillaBase::SCI_STYLEGETWEIGHT, 0UL);
  const long charset = box_.SendScintilla(QsciScintillaBase::SCI_STYLEGETCHARACTERSET, 0UL);
  for (const StyleLook& look : kLooks) {
    const unsigned long style = StyleNumber(look.style);
    box_.SendScintilla(QsciScintillaBase::SCI_STYLESETFONT, static_cast<uintptr_t>(style),
                       family.constData());
    box_.SendScintilla(QsciScintillaBase::SCI_STYLESETSIZEFRACTIONAL, style, size);
    box_.SendScintilla(QsciScintillaBase::SCI_STYLESETWEIGHT, style,
                       look.bold ? static_cast<long>(QsciScintillaBase::SC_WEIGHT_BOLD) : weight);
    box_.SendScintilla(QsciScintillaBase::SCI_STYLESETCHARACTERSET, style, charset);
  }
  // Each style's twin looks exactly like it (see AlternateLongRuns).
  for (unsigned long style = 0; style < kProgramStyleCount; ++style) {
    const unsigned long twin = style + kTwinStyleOffset;
    box_.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, static_cast<uintptr_t>(style),
                       family.data());
    box_.SendScintilla(QsciScintillaBase::SCI_STYLESETFONT, static_cast<uintptr_t>(twin),
                       family.constData());
    for (const auto& [get, set] : kCopiedAttributes)
      box_.SendScintilla(set, twin, box_.SendScintilla(get, style));
  }
}

void ProgramColouring::StyleTo(long position) {
  const auto send = [this](unsigned int message, unsigned long w = 0) {
    return box_.SendScintilla(message, w);
  };
  // Lines are styled whole: from the start of the line where the styled part ends to the
  // end of the line that holds the last wanted byte.
  const long styled = send(QsciScintillaBase::SCI_GETENDSTYLED);
  const long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE,
                          static_cast<unsigned long>(send(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                                          static_cast<unsigned long>(styled))));
  const long last_line = send(QsciScintillaBase::SCI_LINEFROMPOSITION,
                              static_cast<unsigned long>(std::max(position - 1, 0L)));
  const long end =
      last_line + 1 < send(QsciScintillaBase::SCI_GETLINECOUNT)
          ? send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(last_line + 1))
          : send(QsciScintillaBase::SCI_GETLENGTH);
  long from = start;
  bool screen_only = false;
  if (end - start > kStyleAhead) {
    const long top =
        send(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE,
             static_cast<unsigned long>(send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE)));
    const long screen =
        send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(top));
    // A request above the screen (not for showing it) gets at least its last line.
    const long last_start =
        send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(last_line));
    from = std::max(start, std::min(screen, last_start));
    screen_only = from > start;
  }
  // In a long line (a file without line ends) an edit restyles the line from a little
  // before it, not from the line's start: the styles before the edit still hold.
  bool resumed = false;
  if (!screen_only && styled - start > kResumeWindow) {
    const long head_from = styled - kResumeWindow;
    QByteArray head(kResumeWindow, Qt::Uninitialized);
    box_.SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, head_from, styled, head.data());
    std::vector<unsigned char> head_styles(static_cast<size_t>(kResumeWindow));
    for (long i = 0; i < kResumeWindow; ++i)
      head_styles[size_t(i)] = static_cast<unsigned char>(
          send(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(head_from + i)));
    const qsizetype resume = FindResumePoint(head, head_styles.data());
    if (resume > 0) {
      from = head_from + static_cast<long>(resume);
      resumed = true;
    }
  }
  if (end <= from) return;
  std::vector<unsigned char> styles(static_cast<size_t>(end - from));
  QByteArray text(end - from, Qt::Uninitialized);
  box_.SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, from, end, text.data());
  if (!words_) {
    std::fill(styles.begin(), styles.end(), static_cast<unsigned char>(ProgramStyle::kDefault));
  } else if (resumed) {
    // The rest of the line from the resume point, then whole lines.
    qsizetype line_end = 0;
    while (line_end < text.size() && text[line_end] != '\r' && text[line_end] != '\n') ++line_end;
    StyleProgramLineFrom(QByteArrayView(text).first(line_end), styles.data());
    StyleProgramText(QByteArrayView(text).sliced(line_end), styles.data() + line_end);
  } else {
    StyleProgramText(text, styles.data());
  }
  AlternateLongRuns(text, styles.data(), kCachedRun);
  send(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(from));
  box_.SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX, static_cast<uintptr_t>(end - from),
                     reinterpret_cast<const char*>(styles.data()));
  // Styled only what is on the screen: the part between stays unstyled and is asked for
  // again when it is shown.
  if (screen_only) send(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(start));
}

}  // namespace zel
