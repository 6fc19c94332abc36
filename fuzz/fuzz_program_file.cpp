// The program file in the editor box: any bytes open as the editor opens a file (decoded,
// with the byte forms of the characters that have two remembered), one range is edited as a
// user or the replace command edits it, and the text is saved as the editor saves it. Either
// every character outside the edited range keeps the bytes it was read with, and the saved
// file reads back as the text in the box; or the save is refused for a character in the
// edited range (or for a lone lead byte just before it that would join the new text).
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "editor/editor_box.h"
#include "editor/text_codec.h"
#include "fuzz/fuzz_gui.h"
#include "fuzz/fuzz_input.h"

namespace {

using zel::fuzz::FuzzInput;

// The file's characters: for each one its byte offset in the file and in the decoded UTF-8
// text, read one character at a time with the same codec (a double-byte character is one
// character, as in the editor's positions).
struct Offsets {
  std::vector<qsizetype> file{0};
  std::vector<qsizetype> utf8{0};
};

Offsets CharacterOffsets(const zel::TextCodec& codec, QByteArrayView bytes,
                         const QByteArray& decoded) {
  Offsets offsets;
  QByteArray joined;
  qsizetype at = 0;
  while (at < bytes.size()) {
    qsizetype take = 1;
    if (at + 1 < bytes.size()) {
      const QByteArray pair = codec.Decode(bytes.sliced(at, 2)).utf8;
      if (QString::fromUtf8(pair).toUcs4().size() == 1) take = 2;
    }
    joined += codec.Decode(bytes.sliced(at, take)).utf8;
    at += take;
    offsets.file.push_back(at);
    offsets.utf8.push_back(joined.size());
  }
  // Read a character at a time the file gives the same text as read whole.
  if (joined != decoded) std::abort();
  return offsets;
}

// One box for the whole run, as the main window has one.
zel::EditorBox* box = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zel::fuzz::MakeApplication<QApplication>();
  // Made (with its fonts) before the first input.
  box = new zel::EditorBox;
  box->SetDocument(zel::Cp932().Decode("G01 X1.\r\n(\x8a\x4f\x8c\x61)"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const zel::TextCodec& codec = zel::Cp932();
  FuzzInput in(data, size);
  const int how = in.Below(4);
  const int start_word = in.Word();
  const int length_word = in.Word();
  const QString insert = in.Text();
  const QByteArrayView file = in.Rest();

  // Open.
  const zel::DecodedText opened = codec.Decode(file);
  box->SetDocument(opened);
  const Offsets offsets = CharacterOffsets(codec, file, opened.utf8);
  const qint64 count = static_cast<qint64>(offsets.file.size()) - 1;
  if (box->Length() != count) std::abort();

  // Edit one range.
  const qint64 start = start_word % (count + 1);
  const qint64 length = length_word % (count - start + 1);
  switch (how) {
    case 0:  // the replace command
      box->ReplaceRange(start, length, insert);
      break;
    case 1:  // a selection replaced by a paste or a generator's block
      box->Select(start, length);
      box->ReplaceSelection(insert);
      break;
    case 2: {  // a selection deleted, then the text typed a character at a time
      box->Select(start, length);
      if (length > 0) box->SendScintilla(QsciScintillaBase::SCI_CLEAR);
      for (const char32_t c : insert.toUcs4()) {
        const QByteArray typed = QString::fromUcs4(&c, 1).toUtf8();
        box->SendScintilla(QsciScintillaBase::SCI_REPLACESEL, 0UL, typed.constData());
      }
      break;
    }
    default: {  // replaced, then taken back into the box from a snapshot (the undo command)
      box->ReplaceRange(start, length, insert);
      const zel::DecodedText snapshot = box->Document();
      box->SetDocument(zel::DecodedText{});
      box->SetDocument(snapshot);
      break;
    }
  }

  // Save.
  const QByteArray inserted = insert.toUtf8();
  const qsizetype before = offsets.utf8[start];  // UTF-8 bytes kept before the edit
  const zel::EncodeResult saved = codec.Encode(box->Utf8View(), box->Forms());
  if (!saved.ok) {
    // A character that cannot be written is one of the new ones; a lone lead byte that would
    // join the next character is new or stands just before the new text (three UTF-8 bytes).
    const qsizetype from =
        saved.failure == zel::EncodeResult::Failure::kJoinsNext ? before - 3 : before;
    if (saved.bad_offset < from || saved.bad_offset >= before + inserted.size()) std::abort();
    return 0;
  }
  const qsizetype head = offsets.file[start];
  const qsizetype tail = file.size() - offsets.file[start + length];
  if (saved.bytes.size() < head + tail) std::abort();
  if (QByteArrayView(saved.bytes).first(head) != file.first(head)) std::abort();
  if (QByteArrayView(saved.bytes).last(tail) != file.last(tail)) std::abort();
  if (codec.Decode(saved.bytes).utf8 != box->Utf8View()) std::abort();
  return 0;
}
