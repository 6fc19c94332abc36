// The code page 932 codec against the Windows-31J character map that the C library ships,
// and the round trip of bytes that are no characters at all.
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include "editor/text_codec.h"

#ifndef Q_OS_WIN
#include <iconv.h>
#endif

using namespace zel;

namespace {

struct CharmapEntry {
  QByteArray bytes;
  char32_t code = 0;
  bool irreversible = false;  // a second byte form: decodes, but is not the encoder's choice
};

QList<CharmapEntry> LoadCharmap() {
  QProcess gunzip;
  gunzip.start(QStringLiteral("gzip"),
               {QStringLiteral("-dc"), QStringLiteral("/usr/share/i18n/charmaps/WINDOWS-31J.gz")});
  if (!gunzip.waitForFinished(30000) || gunzip.exitCode() != 0) return {};
  static const QRegularExpression line(
      QStringLiteral("^(%IRREVERSIBLE%)?<U([0-9A-F]{4,6})>\\s+((?:/x[0-9a-f]{2})+)\\s"));
  QList<CharmapEntry> entries;
  for (const QByteArray& raw : gunzip.readAllStandardOutput().split('\n')) {
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(raw));
    if (!m.hasMatch()) continue;
    CharmapEntry entry;
    entry.irreversible = !m.captured(1).isEmpty();
    entry.code = m.captured(2).toUInt(nullptr, 16);
    const QStringList hex = m.captured(3).split(QStringLiteral("/x"), Qt::SkipEmptyParts);
    for (const QString& h : hex) entry.bytes.append(static_cast<char>(h.toUInt(nullptr, 16)));
    entries.append(entry);
  }
  return entries;
}

QByteArray Utf8Of(char32_t c) { return QString::fromUcs4(&c, 1).toUtf8(); }

QByteArray RoundTrip(const QByteArray& bytes) {
  const DecodedText text = Cp932().Decode(bytes);
  const EncodeResult encoded = Cp932().Encode(text.utf8, text.forms);
  return encoded.ok ? encoded.bytes : QByteArray("<encode failed>");
}

#ifndef Q_OS_WIN
// The C library's own conversion of the code page, one call per sequence.
// Empty when the bytes are no complete sequence.
QByteArray SystemConvert(const char* to, const char* from, const QByteArray& in) {
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) qFatal("no %s to %s conversion", from, to);
  QByteArray out(16, '\0');
  char* in_ptr = const_cast<char*>(in.constData());
  char* out_ptr = out.data();
  size_t in_left = size_t(in.size());
  size_t out_left = size_t(out.size());
  const size_t r = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (r == size_t(-1)) return {};
  out.truncate(out.size() - qsizetype(out_left));
  return out;
}
#endif

}  // namespace

class TextCodecTest : public QObject {
  Q_OBJECT

 private slots:
  // The table is the same on every platform; where the C library converts the code page, it
  // must agree with it on every byte, every pair and every encoder's choice.
  void TableAgreesWithTheSystemConversion() {
#ifdef Q_OS_WIN
    QSKIP("compares with the C library's iconv, which Windows does not have");
#else
    auto decode = [](const QByteArray& bytes) {
      const QByteArray utf16 = SystemConvert("UTF-16LE", "CP932", bytes);
      return QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16.constData()),
                                utf16.size() / 2);
    };
    for (int b = 0x80; b < 0x100; ++b) {
      const QByteArray byte(1, static_cast<char>(b));
      const QString system = decode(byte);
      const QString ours = QString::fromUtf8(Cp932().Decode(byte).utf8);
      const char32_t raw = kRawByteBase + char32_t(b);
      if (ours != (system.size() == 1 ? system : QString::fromUcs4(&raw, 1)))
        QFAIL(qPrintable(QStringLiteral("byte %1").arg(b, 2, 16)));
    }
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        const QByteArray pair = QByteArray(1, char(lead)) + char(trail);
        const QString system = decode(pair);
        const DecodedText ours = Cp932().Decode(pair);
        if (system.size() != 1) {
          if (QString::fromUtf8(ours.utf8).size() == 1)
            QFAIL(qPrintable(QStringLiteral("%1 is no character").arg(QString(pair.toHex()))));
          continue;
        }
        ++characters;
        if (QString::fromUtf8(ours.utf8) != system)
          QFAIL(qPrintable(QStringLiteral("decode of %1").arg(QString(pair.toHex()))));
        // The encoder writes what the C library writes, and the other forms are kept.
        const QByteArray expected = SystemConvert(
            "CP932", "UTF-16LE", QByteArray(reinterpret_cast<const char*>(system.utf16()), 2));
        if (Cp932().Encode(ours.utf8, {}).bytes != expected ||
            ours.forms.empty() != (expected == pair))
          QFAIL(qPrintable(QStringLiteral("encode of %1").arg(QString(pair.toHex()))));
      }
    }
    QVERIFY(characters > 9000);
#endif
  }

  void EveryCharmapEntryBothWays() {
#ifdef Q_OS_WIN
    QSKIP(
        "reads the Linux C library's character map with gzip; the table it checks is the same "
        "on Windows");
#endif
    if (!QFile::exists(QStringLiteral("/usr/share/i18n/charmaps/WINDOWS-31J.gz")))
      QSKIP("the Windows-31J charmap of the locales package is not installed");
    const QList<CharmapEntry> entries = LoadCharmap();
    QVERIFY2(entries.size() > 7000, "charmap not readable");
    QSet<QByteArray> mapped;
    int reversible = 0;
    for (const CharmapEntry& entry : entries) {
      mapped.insert(entry.bytes);
      const DecodedText decoded = Cp932().Decode(entry.bytes);
      if (decoded.utf8 != Utf8Of(entry.code))
        QFAIL(qPrintable(
            QStringLiteral("decode of %1").arg(QString::fromLatin1(entry.bytes.toHex()))));
      if (entry.irreversible) {
        // Kept as a byte form, so that the file gets the same bytes back.
        QCOMPARE(decoded.forms.size(), size_t(1));
        QCOMPARE(Cp932().Encode(decoded.utf8, decoded.forms).bytes, entry.bytes);
        QVERIFY(Cp932().Encode(decoded.utf8, {}).bytes != entry.bytes);
      } else {
        ++reversible;
        QVERIFY(decoded.forms.empty());
        const EncodeResult encoded = Cp932().Encode(Utf8Of(entry.code), {});
        if (!encoded.ok || encoded.bytes != entry.bytes)
          QFAIL(qPrintable(QStringLiteral("encode of U+%1").arg(uint(entry.code), 4, 16)));
      }
    }
    QVERIFY(reversible > 7000);
    // Every two-byte sequence the map does not list is no character: it must come back as
    // the same bytes all the same.
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        QByteArray pair;
        pair.append(static_cast<char>(lead));
        pair.append(static_cast<char>(trail));
        if (mapped.contains(pair)) continue;
        if (RoundTrip(pair) != pair)
          QFAIL(qPrintable(
              QStringLiteral("round trip of %1").arg(QString::fromLatin1(pair.toHex()))));
      }
    }
  }

  void BytesThatAreNoCharacters_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("utf8");
    QTest::newRow("undefined single bytes") << QByteArray("\x80\xa0\xfd\xfe\xff", 5)
                                            << QByteArray(
                                                   "\xef\x9e\x80\xef\x9e\xa0\xef\x9f\xbd"
                                                   "\xef\x9f\xbe\xef\x9f\xbf");
    QTest::newRow("trailing lead byte") << QByteArray("A\x82", 2) << QByteArray("A\xef\x9e\x82");
    QTest::newRow("lead byte before a blank")
        << QByteArray("\x82 B", 3) << QByteArray("\xef\x9e\x82 B");
    QTest::newRow("lead byte before a line end")
        << QByteArray("\x88\r\n", 3) << QByteArray("\xef\x9e\x88\r\n");
    QTest::newRow("NUL and control bytes")
        << QByteArray("a\0b\x1a", 4) << QByteArray("a\0b\x1a", 4);
    QTest::newRow("half-width katakana")
        << QByteArray("\xb1\xdf") << QByteArray("\xef\xbd\xb1\xef\xbe\x9f");
    QTest::newRow("backslash and tilde stay ASCII") << QByteArray("\\~") << QByteArray("\\~");
  }
  void BytesThatAreNoCharacters() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, utf8);
    QCOMPARE(Cp932().Decode(bytes).utf8, utf8);
    QCOMPARE(RoundTrip(bytes), bytes);
  }

  void RandomBytesRoundTrip() {
    QRandomGenerator random(932);
    for (int round = 0; round < 50; ++round) {
      QByteArray bytes(4096, Qt::Uninitialized);
      for (char& b : bytes) b = static_cast<char>(random.bounded(256));
      QCOMPARE(RoundTrip(bytes), bytes);
    }
  }

  void SecondFormsSurviveAmongOtherText() {
    // ED 40 and FA 5C are one character; so are 87 9A, FA 5B and 81 E6 (the encoder's).
    const QByteArray bytes("N001 (\xed\x40\xfa\x5c)\r\n\x87\x9a\xfa\x5b\x81\xe6\r\n", 20);
    const DecodedText text = Cp932().Decode(bytes);
    QCOMPARE(text.forms.size(), size_t(3));
    QCOMPARE(Cp932().Encode(text.utf8, text.forms).bytes, bytes);
    // A form whose character was replaced no longer applies: the new character gets the
    // encoder's bytes.
    QByteArray edited = text.utf8;
    const qint64 at = text.forms.front().offset;
    edited.replace(at, 3, QByteArray("\xe4\xba\x9c"));  // 亜
    QCOMPARE(Cp932().Encode(edited, text.forms).bytes,
             QByteArray("N001 (\x88\x9f\xfa\x5c)\r\n\x87\x9a\xfa\x5b\x81\xe6\r\n", 20));
  }

  void PrivateUseCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");  // empty: refused
    QTest::addColumn<int>("failure");
    QTest::addColumn<qint64>("offset");
    const int none = int(EncodeResult::Failure::kNone);
    const int bad = int(EncodeResult::Failure::kUnrepresentable);
    const int joins = int(EncodeResult::Failure::kJoinsNext);
    // clang-format off
    QTest::newRow("stand-ins below F780 would write a line end")  << QStringLiteral("G01 \uF70D\uF70AX1.") << QByteArray() << bad << qint64(4);
    QTest::newRow("stand-in for A would read back as A")          << QStringLiteral("\uF741")             << QByteArray() << bad << qint64(0);
    QTest::newRow("stand-in for B1 would read back as katakana")  << QStringLiteral("N\uF7B1")            << QByteArray() << bad << qint64(1);
    QTest::newRow("other private use")                             << QStringLiteral("(\uF8F0)")           << QByteArray() << bad << qint64(1);
    QTest::newRow("lone lead 81 would swallow the A after it")    << QStringLiteral("(\uF781A)")          << QByteArray() << joins << qint64(1);
    QTest::newRow("lone lead before katakana")                    << QStringLiteral("\uF781ﾋ")            << QByteArray() << joins << qint64(0);
    QTest::newRow("two lone leads make one character")            << QStringLiteral("\uF781\uF781")       << QByteArray() << joins << qint64(0);
    QTest::newRow("lone lead before a kanji")                     << QStringLiteral("X\uF789亜")          << QByteArray() << joins << qint64(1);
    QTest::newRow("lone lead before a blank stays alone")         << QStringLiteral("\uF781 A")           << QByteArray("\x81 A") << none << qint64(-1);
    QTest::newRow("lone lead before a line end stays alone")      << QStringLiteral("\uF788\r\n")         << QByteArray("\x88\r\n") << none << qint64(-1);
    QTest::newRow("lone lead at the end")                         << QStringLiteral("A\uF782")            << QByteArray("A\x82") << none << qint64(-1);
    QTest::newRow("undefined byte 80 before A")                   << QStringLiteral("\uF780A")            << QByteArray("\x80" "A") << none << qint64(-1);
    QTest::newRow("undefined bytes FD to FF")                     << QStringLiteral("\uF7FD\uF7FE\uF7FF") << QByteArray("\xfd\xfe\xff") << none << qint64(-1);
    QTest::newRow("user-defined character of the code page")      << QStringLiteral("(\uE000)")           << QByteArray("(\xf0\x40)") << none << qint64(-1);
    // clang-format on
  }
  void PrivateUseCharacters() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, failure);
    QFETCH(qint64, offset);
    const EncodeResult result = Cp932().Encode(text.toUtf8(), {});
    QCOMPARE(int(result.failure), failure);
    QCOMPARE(result.ok, failure == int(EncodeResult::Failure::kNone));
    if (result.ok) {
      QCOMPARE(result.bytes, bytes);
      QCOMPARE(QString::fromUtf8(Cp932().Decode(result.bytes).utf8), text);
    } else {
      QCOMPARE(result.bad_offset, offset);
    }
  }

  void SavedTextReadsBackTheSame() {
    // Random texts of characters that sit side by side in programs, raw-byte stand-ins of
    // every kind included: whatever is written must read back as the same text.
    QList<char32_t> pool = {'G',   '0',   '1',  ' ',    'X',    '.',     '(',   ')',
                            '\r',  '\n',  '\t', 0,      U'亜',  U'纊',   U'ｱ',  U'ﾟ',
                            U'＼', U'〜', U'①', 0xE000, 0xE757, 0x1F600, 0xF8FF};
    for (char32_t c = kRawByteBase; c <= kLastRawByte; c += 7) pool << c;
    for (char32_t c : {0xF781u, 0xF79Fu, 0xF7E0u, 0xF7FCu, 0xF780u, 0xF7A0u}) pool << c;
    QRandomGenerator random(8);
    int written = 0;
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
      const int length = random.bounded(1, 9);
      std::u32string text;
      for (int k = 0; k < length; ++k) text += pool[random.bounded(int(pool.size()))];
      const QByteArray utf8 = QString::fromUcs4(text.data(), qsizetype(text.size())).toUtf8();
      const EncodeResult result = Cp932().Encode(utf8, {});
      if (!result.ok) {
        ++refused;
        continue;
      }
      ++written;
      if (Cp932().Decode(result.bytes).utf8 != utf8)
        QFAIL(qPrintable(
            QStringLiteral("%1 reads back as %2")
                .arg(QString::fromLatin1(utf8.toHex(' ')),
                     QString::fromLatin1(Cp932().Decode(result.bytes).utf8.toHex(' ')))));
    }
    QVERIFY(written > 2000);
    QVERIFY(refused > 2000);
  }

  void UnrepresentableCharacterIsReported_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<uint>("code");
    QTest::newRow("emoji") << QStringLiteral("G01 X10\r\n(😀)") << qint64(10) << 0x1F600u;
    QTest::newRow("accented letter") << QStringLiteral("é") << qint64(0) << 0xE9u;
    QTest::newRow("korean after kanji") << QStringLiteral("漢한") << qint64(3) << 0xD55Cu;
  }
  void UnrepresentableCharacterIsReported() {
    QFETCH(QString, text);
    QFETCH(qint64, offset);
    QFETCH(uint, code);
    const EncodeResult result = Cp932().Encode(text.toUtf8(), {});
    QVERIFY(!result.ok);
    QCOMPARE(result.bad_offset, offset);
    QCOMPARE(uint(result.bad_char), code);
  }
};

QTEST_GUILESS_MAIN(TextCodecTest)
#include "tst_text_codec.moc"
