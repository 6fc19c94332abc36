// QScintilla's accessibility support counts the characters from the start of the text to
// the caret on every change and every caret move (SCI_COUNTCHARACTERS from 0), whether or
// not an assistive tool is listening. On a program of 20 MB that is a fifth of a second
// per keystroke. Where the dynamic linker lets the program interpose the library's
// SendScintilla (ELF systems), that one message is answered through the editor's UTF-32
// line index instead: the same number, found in O(log lines + line length). Every other
// message goes to the library unchanged.
#include <Qsci/qsciscintillabase.h>

#if defined(__linux__) || defined(__FreeBSD__)
#include <dlfcn.h>

namespace {

using SendFunction = long (*)(const QsciScintillaBase*, unsigned int, unsigned long, long);

SendFunction LibrarySend() {
  static const auto function = reinterpret_cast<SendFunction>(
      dlsym(RTLD_NEXT, "_ZNK17QsciScintillaBase13SendScintillaEjml"));
  return function;
}

}  // namespace

long QsciScintillaBase::SendScintilla(unsigned int msg, unsigned long wParam, long lParam) const {
  const SendFunction send = LibrarySend();
  if (msg == SCI_COUNTCHARACTERS && wParam == 0 && lParam > 0 &&
      (send(this, SCI_GETLINECHARACTERINDEX, 0, 0) & SC_LINECHARACTERINDEX_UTF32)) {
    const long line = send(this, SCI_LINEFROMPOSITION, static_cast<unsigned long>(lParam), 0);
    const long line_start = send(this, SCI_POSITIONFROMLINE, static_cast<unsigned long>(line), 0);
    return send(this, SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line),
                SC_LINECHARACTERINDEX_UTF32) +
           send(this, SCI_COUNTCHARACTERS, static_cast<unsigned long>(line_start), lParam);
  }
  return send(this, msg, wParam, lParam);
}
#endif
