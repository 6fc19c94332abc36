// The editor box's character positions and its search and replace over its own buffer.
#include <QtTest>

#include "editor/editor_box.h"

using namespace zel;

namespace {

DecodedText Utf8(const QString& text) { return DecodedText{text.toUtf8(), {}}; }

}  // namespace

class EditorBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void PositionsCountCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("length");
    QTest::newRow("ascii") << "G00 X10" << qint64(7);
    QTest::newRow("crlf counts two") << "A\r\nB\r\n" << qint64(6);
    QTest::newRow("lone line ends") << "A\rB\nC" << qint64(5);
    QTest::newRow("japanese counts one each") << "(外径荒加工)\r\nN1" << qint64(11);
    QTest::newRow("half-width katakana") << "ｱｲｳ" << qint64(3);
    QTest::newRow("raw byte stand-ins") << QString(QChar(0xF781)) + "x" << qint64(2);
  }
  void PositionsCountCharacters() {
    QFETCH(QString, text);
    QFETCH(qint64, length);
    EditorBox box;
    box.SetDocument(Utf8(text));
    QCOMPARE(box.Length(), length);
    // Every character position maps to a byte position and back.
    for (qint64 pos = 0; pos <= length; ++pos) {
      QCOMPARE(box.CharFromByte(box.ByteFromChar(pos)), pos);
      box.Select(pos, length - pos);
      QCOMPARE(box.SelectionStart(), pos);
      QCOMPARE(box.SelectedText(), text.mid(pos));
    }
    QCOMPARE(box.ByteFromChar(length + 5), qint64(text.toUtf8().size()));
  }

  void TextWithNulBytesIsKeptWhole() {
    EditorBox box;
    const QByteArray bytes("a\0b\r\n\0", 6);
    box.SetDocument(DecodedText{bytes, {}});
    QCOMPARE(box.Utf8View().toByteArray(), bytes);
    QCOMPARE(box.Length(), qint64(6));
  }

  void FindForward_data() {
    QTest::addColumn<QString>("needle");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("hit");
    // text: "G01 X10\r\n(切削)\r\nG01 Z-5"
    QTest::newRow("first") << "G01" << qint64(0) << qint64(0);
    QTest::newRow("past the first") << "G01" << qint64(1) << qint64(15);
    QTest::newRow("japanese") << "削)" << qint64(0) << qint64(11);
    QTest::newRow("across a line end") << "\r\nG01" << qint64(3) << qint64(13);
    QTest::newRow("at the very end") << "-5" << qint64(0) << qint64(20);
    QTest::newRow("case must match") << "g01" << qint64(0) << qint64(-1);
    QTest::newRow("width must match") << "Ｇ01" << qint64(0) << qint64(-1);
    QTest::newRow("empty finds nothing") << "" << qint64(0) << qint64(-1);
    QTest::newRow("from beyond the end") << "G01" << qint64(99) << qint64(-1);
  }
  void FindForward() {
    QFETCH(QString, needle);
    QFETCH(qint64, from);
    QFETCH(qint64, hit);
    EditorBox box;
    box.SetDocument(Utf8(QStringLiteral("G01 X10\r\n(切削)\r\nG01 Z-5")));
    QCOMPARE(box.FindForward(needle, from), hit);
  }

  void ReplaceRangeLeavesCaretAfterText() {
    EditorBox box;
    box.SetDocument(Utf8(QStringLiteral("(荒加工) G01")));
    box.ReplaceRange(1, 3, QStringLiteral("仕上げ加工"));
    QCOMPARE(QString::fromUtf8(box.Utf8View()), QStringLiteral("(仕上げ加工) G01"));
    QCOMPARE(box.SelectionStart(), qint64(6));
    QCOMPARE(box.SelectionLength(), qint64(0));
  }

  void ReplaceAll_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<qint64>("from");
    QTest::addColumn<QString>("result");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("last_end");
    QTest::newRow("far apart") << "X1 ... X1 ... X1" << "X1" << "X2" << qint64(0)
                               << "X2 ... X2 ... X2" << qint64(3) << qint64(16);
    QTest::newRow("adjacent") << "aaaa" << "aa" << "b" << qint64(0) << "bb" << qint64(2)
                              << qint64(2);
    QTest::newRow("empty replacement") << "G01 G01 G00" << "G01 " << "" << qint64(0) << "G00"
                                       << qint64(2) << qint64(0);
    QTest::newRow("replacement contains needle") << "ab ab" << "ab" << "abab" << qint64(0)
                                                 << "abab abab" << qint64(2) << qint64(9);
    QTest::newRow("from the middle") << "T1 T1 T1" << "T1" << "工具" << qint64(1)
                                     << "T1 工具 工具" << qint64(2) << qint64(8);
    QTest::newRow("none") << "G00" << "G01" << "x" << qint64(0) << "G00" << qint64(0)
                          << qint64(-1);
  }
  void ReplaceAll() {
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(QString, replacement);
    QFETCH(qint64, from);
    QFETCH(QString, result);
    QFETCH(qint64, count);
    QFETCH(qint64, last_end);
    EditorBox box;
    box.SetDocument(Utf8(text));
    int changes = 0;
    connect(&box, &QsciScintilla::textChanged, this, [&changes] { ++changes; });
    const SearchTarget::ReplaceAllResult done = box.ReplaceAll(needle, replacement, from);
    QCOMPARE(QString::fromUtf8(box.Utf8View()), result);
    QCOMPARE(done.count, count);
    QCOMPARE(done.last_end, last_end);
    if (count > 0) QCOMPARE(box.SelectionStart(), last_end);
    QVERIFY(count == 0 ? changes == 0 : changes > 0);
  }

  void ByteFormsFollowEdits() {
    // "ED 40" (a second form of U+7E8A) on line 2 survives edits elsewhere, also a
    // replace-all that shifts it.
    const DecodedText doc{QByteArray("X1\r\n(\xe7\xba\x8a) X1"), {ByteForm{5, 0xED40}}};
    EditorBox box;
    box.SetDocument(doc);
    box.SetCaret(0);
    box.ReplaceSelection(QStringLiteral("N10 "));
    std::vector<ByteForm> forms = box.Forms();
    QCOMPARE(forms.size(), size_t(1));
    QCOMPARE(forms[0].offset, qint64(9));
    QCOMPARE(forms[0].bytes, quint16(0xED40));
    box.ReplaceAll(QStringLiteral("X1"), QStringLiteral("X100"), 0);
    forms = box.Forms();
    QCOMPARE(forms.size(), size_t(1));
    QCOMPARE(forms[0].offset, qint64(11));
    // Replacing the character itself drops its form.
    box.ReplaceAll(QStringLiteral("纊"), QStringLiteral("x"), 0);
    QVERIFY(box.Forms().empty());
  }
};

QTEST_MAIN(EditorBoxTest)
#include "tst_editor_box.moc"
