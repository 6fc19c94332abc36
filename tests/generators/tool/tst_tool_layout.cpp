#include <QTest>

#include "generators/tool/tool_layout.h"

namespace zel {

namespace {

// The field rows' captions and the field sets, typed here afresh so that the layout is checked
// against the dialog's description and not against its own tables.
const QHash<QString, QString> kCaptions = {
    {"A1", "刃先角      A1="}, {"A2", "切刃角      A2="}, {"L", "突出し量     L="},
    {"D", "バイト幅/径  D="},  {"W", "チップ幅     W="},  {"NR", "ノーズR     NR="},
};

// Field set → its rows; a trailing "+" means the NR row follows while "ノーズR出力" is checked.
const QHash<QString, QString> kFieldSets = {
    {"None", ""},
    {"LD", "L D +"},
    {"LW", "L W +"},
    {"LDW", "L D W +"},
    {"A1L", "A1 L +"},
    {"A1LW", "A1 L W +"},
    {"A1LD", "A1 L D +"},
    {"A1A2L", "A1 A2 L +"},
    {"A1A2LD", "A1 A2 L D +"},
    {"LDNR", "L D NR"},
    {"A1A2LDNR", "A1 A2 L D NR"},
};

struct CatalogueRow {
  const char* kinds;
  int kind_picture;
  int nose_position;
  const char* shapes;  // "shape:field set,picture[,position]; ..."
};

// clang-format off
const CatalogueRow kCatalogue[] = {
    {"1,7",      0, 3, "1:A1A2L,0; 2:A1A2L,1,8; 3:A1A2L,2; 4:LDNR,3; 5:LDNR,4; 6:A1A2LDNR,5; 7:A1A2LDNR,6"},
    {"2,8",      1, 2, "1:A1A2LD,7; 2:A1A2LD,8; 3:A1A2LD,9,6; 4:LDNR,10; 5:A1A2LDNR,11; 6:LDNR,4"},
    {"3,9",      2, 3, "1:A1A2L,0; 2:A1A2L,2; 3:A1A2L,12,7; 4:A1A2L,13,4; 5:LDNR,3; 6:LDNR,4; 7:A1A2LDNR,5; 8:A1A2LDNR,14,4; 9:A1A2LDNR,6"},
    {"4,10",     3, 4, "1:A1A2L,13; 2:A1A2L,1,8; 3:LDNR,3; 4:A1A2LDNR,14"},
    {"5,11",     4, 1, "1:A1A2LD,15; 2:A1A2LD,9,6; 3:LDNR,10"},
    {"6,12",     5, 2, "1:A1A2LD,7; 2:A1A2LD,16; 3:A1A2L,12,7; 4:A1A2LD,15,1; 5:LDNR,4; 6:LDNR,10; 7:A1A2LDNR,36; 8:A1A2LDNR,11"},
    {"13,16",    6, 8, "1:A1L,17; 2:A1A2L,1"},
    {"14,17",    7, 6, "1:LD,18"},
    {"15,18",    8, 7, "1:A1L,19; 2:A1A2L,12"},
    {"19",       9, 3, "1:A1LW,20; 2:A1A2L,1,8; 3:A1L,17,8; 4:LDNR,3"},
    {"20",      10, 2, "1:LDW,21; 2:LD,18,6; 3:LDNR,10"},
    {"21",      11, 3, "1:LW,22; 2:A1L,19,7; 3:LDNR,4"},
    {"22,23,28",12, 9, "1:A1LD,23"},
    {"24",      13, 9, "1:None,24"},
    {"25",      14, 3, "1:A1A2L,0; 2:A1A2L,2; 3:A1A2L,13,4"},
    {"26",      15, 2, "1:A1A2LD,7; 2:A1A2LD,15,1"},
    {"27",      16, 9, "1:A1LD,25"},
    {"29",      17, 9, "1:LD,26"},
    {"30",      18, 9, "1:LD,27"},
    {"31",      19, 9, "1:LD,28"},
    {"32",      20, 9, "1:LD,29"},
    {"33",      21, 9, "1:LD,30"},
    {"34",      22, 9, "1:LD,31"},
    {"35",      23, 9, "1:LD,32"},
    {"36",      24, 9, "1:LD,33"},
    {"37",      25, 9, "1:LD,34"},
    {"38",      26, 9, "1:LD,35"},
};
// clang-format on

QList<int> KindsOf(const CatalogueRow& row) {
  QList<int> kinds;
  for (const QString& kind : QString(row.kinds).split(',')) kinds << kind.toInt();
  return kinds;
}

struct PartShape {
  int shape;
  QString field_set;
  int picture;
  int nose_position;  // 0: the kind's
};

QList<PartShape> ShapesOf(const CatalogueRow& row) {
  QList<PartShape> shapes;
  for (const QString& entry : QString(row.shapes).split(';')) {
    const QStringList number_rest = entry.trimmed().split(':');
    const QStringList parts = number_rest[1].split(',');
    shapes << PartShape{number_rest[0].toInt(), parts[0], parts[1].toInt(),
                        parts.size() > 2 ? parts[2].toInt() : 0};
  }
  return shapes;
}

// The visible rows of a field set, each as "letter:text" (all texts empty).
QStringList RowsOf(const QString& field_set, bool nose_output) {
  QStringList rows;
  for (const QString& letter : kFieldSets.value(field_set).split(' ', Qt::SkipEmptyParts)) {
    if (letter == "+") {
      if (nose_output) rows << "NR:";
    } else {
      rows << letter + ":";
    }
  }
  return rows;
}

// A layout's rows in the same form; "-" for a hidden row, "?caption" for a caption that is
// not one of the six.
QStringList Rows(const ToolLayout& layout) {
  QStringList rows;
  for (const FieldRowState& row : layout.rows) {
    if (!row.visible) {
      rows << (row.text.isEmpty() ? "-" : "-:" + row.text);
      continue;
    }
    const QString letter = kCaptions.key(row.caption, "?" + row.caption);
    rows << letter + ":" + row.text;
  }
  return rows;
}

// Pads a list of visible rows with hidden ones to the five rows of the dialog.
QStringList Padded(QStringList rows) {
  while (rows.size() < 5) rows << "-";
  return rows;
}

QString Picture(const ToolLayout& layout) {
  switch (layout.picture.array) {
    case ShownPicture::Array::kNone:
      return "none";
    case ShownPicture::Array::kKind:
      return QString("kind %1").arg(layout.picture.index);
    case ShownPicture::Array::kShape:
      return QString("shape %1").arg(layout.picture.index);
  }
  return {};
}

// Plays a walk of user actions:
//   "kind N"      chooses kind N from the list
//   "shape TEXT"  puts TEXT into the shape-number box (overtyping what was there in one step)
//   "nr on|off"   checks or unchecks "ノーズR出力"
//   "row N TEXT"  types TEXT into field row N (1..5)
//   "pos N"       selects nose position N
//   "clear"       "全消去"
ToolLayout Play(const QStringList& steps) {
  ToolLayout layout = StartLayout();
  for (const QString& step : steps) {
    const QString verb = step.section(' ', 0, 0);
    const QString rest = step.section(' ', 1);
    if (verb == "kind") {
      ChooseKind(layout, rest.toInt());
    } else if (verb == "shape") {
      ChangeShapeText(layout, rest);
    } else if (verb == "nr") {
      SetNoseOutput(layout, rest == "on");
    } else if (verb == "row") {
      SetRowText(layout, rest.section(' ', 0, 0).toInt() - 1, rest.section(' ', 1));
    } else if (verb == "pos") {
      SelectNosePosition(layout, rest.toInt());
    } else if (verb == "clear") {
      ClearAllLayout(layout);
    } else {
      qFatal("unknown step %s", qPrintable(step));
    }
  }
  return layout;
}

}  // namespace

class TestToolLayout : public QObject {
  Q_OBJECT

 private slots:
  void StartState();
  void ListedPair_data();
  void ListedPair();
  void KindChosen_data();
  void KindChosen();
  void UnlistedShape_data();
  void UnlistedShape();
  void ShapeNumber_data();
  void ShapeNumber();
  void Walk_data();
  void Walk();
  void NestingEndsAfterOneRound();
  void NoseOutputUncheckedHidesFrame();
};

void TestToolLayout::StartState() {
  const ToolLayout layout = StartLayout();
  QCOMPARE(layout.kind, 0);
  QCOMPARE(layout.shape_text, QString());
  QCOMPARE(Rows(layout), Padded({}));
  QCOMPARE(Picture(layout), QString("none"));
  QCOMPARE(layout.nose_position, 3);
  QVERIFY(!layout.nose_output);
  QVERIFY(layout.nose_output_enabled);
  QVERIFY(!layout.nose_frame_visible);
}

void TestToolLayout::ListedPair_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<int>("shape");
  QTest::addColumn<bool>("nose_output");
  QTest::addColumn<QStringList>("rows");
  QTest::addColumn<QString>("picture");
  QTest::addColumn<int>("nose_position");
  QTest::addColumn<bool>("frame");

  int pairs = 0;
  for (const CatalogueRow& row : kCatalogue) {
    for (int kind : KindsOf(row)) {
      for (const PartShape& shape : ShapesOf(row)) {
        ++pairs;
        for (bool nose_output : {false, true}) {
          const int position = shape.nose_position ? shape.nose_position : row.nose_position;
          QTest::addRow("kind %d shape %d (%s) NR %s", kind, shape.shape,
                        qPrintable(shape.field_set), nose_output ? "on" : "off")
              << kind << shape.shape << nose_output << Padded(RowsOf(shape.field_set, nose_output))
              << QString("shape %1").arg(shape.picture) << position
              << (nose_output && shape.field_set != "None");
        }
      }
    }
  }
  QCOMPARE(pairs, 114);
}

void TestToolLayout::ListedPair() {
  QFETCH(int, kind);
  QFETCH(int, shape);
  QFETCH(bool, nose_output);
  QFETCH(QStringList, rows);
  QFETCH(QString, picture);
  QFETCH(int, nose_position);
  QFETCH(bool, frame);

  ToolLayout layout = StartLayout();
  SetNoseOutput(layout, nose_output);
  ChooseKind(layout, kind);
  ChangeShapeText(layout, QString::number(shape));

  QCOMPARE(Rows(layout), rows);
  QCOMPARE(Picture(layout), picture);
  QCOMPARE(layout.nose_position, nose_position);
  QVERIFY(!layout.nose_output_enabled);
  QCOMPARE(layout.nose_frame_visible, frame);
  QVERIFY(CurrentShape(layout));
}

void TestToolLayout::KindChosen_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("picture");
  for (const CatalogueRow& row : kCatalogue) {
    for (int kind : KindsOf(row)) {
      QTest::addRow("kind %d shows kind illustration %d", kind, row.kind_picture)
          << kind << QString("kind %1").arg(row.kind_picture);
    }
  }
}

void TestToolLayout::KindChosen() {
  QFETCH(int, kind);
  QFETCH(QString, picture);
  ToolLayout layout = StartLayout();
  SelectNosePosition(layout, 5);
  ChooseKind(layout, kind);
  QCOMPARE(Picture(layout), picture);
  QCOMPARE(Rows(layout), Padded({}));
  QCOMPARE(layout.kind, kind);
  // An empty shape-number box stays empty: no change handling, so the position stays.
  QCOMPARE(layout.nose_position, 5);
  QVERIFY(layout.nose_output_enabled);
}

void TestToolLayout::UnlistedShape_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<int>("shape");
  QTest::addColumn<int>("nose_position");
  for (const CatalogueRow& row : kCatalogue) {
    for (int kind : KindsOf(row)) {
      const int beyond = ShapesOf(row).size() + 1;
      QTest::addRow("kind %d shape %d", kind, beyond) << kind << beyond << row.nose_position;
      QTest::addRow("kind %d shape -1", kind) << kind << -1 << row.nose_position;
    }
  }
}

void TestToolLayout::UnlistedShape() {
  QFETCH(int, kind);
  QFETCH(int, shape);
  QFETCH(int, nose_position);
  ToolLayout layout = StartLayout();
  ChooseKind(layout, kind);
  ChangeShapeText(layout, QString::number(shape));
  QCOMPARE(Picture(layout), QString("none"));
  QCOMPARE(Rows(layout), Padded({}));
  QCOMPARE(layout.nose_position, nose_position);
  QVERIFY(!layout.nose_output_enabled);
  QVERIFY(!CurrentShape(layout));
}

void TestToolLayout::ShapeNumber_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("shape");
  // clang-format off
  QTest::newRow("plain 4")                      << "4"        << 4;
  QTest::newRow("1.5 rounds up to even 2")      << "1.5"      << 2;
  QTest::newRow("2.5 rounds down to even 2")    << "2.5"      << 2;
  QTest::newRow("0.5 rounds to 0")              << "0.5"      << 0;
  QTest::newRow("2.51 rounds up")               << "2.51"     << 3;
  QTest::newRow("-1.5 rounds to -2")            << "-1.5"     << -2;
  QTest::newRow("blank inside: 3 2 reads 32")   << "3 2"      << 32;
  QTest::newRow("leading blank")                << " 5"       << 5;
  QTest::newRow("3a reads 3")                   << "3a"       << 3;
  QTest::newRow("letters read 0")               << "abc"      << 0;
  QTest::newRow("empty reads 0")                << ""         << 0;
  QTest::newRow("largest 16-bit number")        << "32767"    << 32767;
  QTest::newRow("smallest 16-bit number")       << "-32768"   << -32768;
  QTest::newRow("32767.5 rounds beyond 16 bits") << "32767.5" << kShapeOutOfRange;
  QTest::newRow("32768 beyond 16 bits")         << "32768"    << kShapeOutOfRange;
  QTest::newRow("-32769 beyond 16 bits")        << "-32769"   << kShapeOutOfRange;
  QTest::newRow("1E10 beyond 16 bits")          << "1E10"     << kShapeOutOfRange;
  QTest::newRow("1E400 beyond a double")        << "1E400"    << kShapeOutOfRange;
  // clang-format on
}

void TestToolLayout::ShapeNumber() {
  QFETCH(QString, text);
  QFETCH(int, shape);
  QCOMPARE(ShapeNumberOf(text), shape);
}

void TestToolLayout::Walk_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QString>("shape_text");
  QTest::addColumn<QStringList>("rows");
  QTest::addColumn<QString>("picture");
  QTest::addColumn<int>("nose_position");
  QTest::addColumn<bool>("nose_output_enabled");
  QTest::addColumn<bool>("frame");

  const QStringList six = {"kind 1",   "shape 6",  "row 1 55", "row 2 5",
                           "row 3 40", "row 4 20", "row 5 0.8"};
  // clang-format off
  QTest::newRow("kind chosen with the box empty keeps position and Check2")
      << QStringList{"pos 5", "kind 1"} << "" << Padded({}) << "kind 0" << 5 << true << false;
  QTest::newRow("kind chosen with shape 2 present empties the box")
      << QStringList{"nr on", "kind 1", "shape 2", "row 1 55", "pos 5", "kind 2"}
      << "" << Padded({}) << "kind 1" << 2 << true << false;
  QTest::newRow("0 typed acts like choosing the kind again")
      << QStringList{"kind 1", "shape 2", "row 1 55", "shape 0"}
      << "" << Padded({}) << "kind 0" << 3 << true << false;
  QTest::newRow("kind 1 shape 2, NR off")
      << QStringList{"kind 1", "shape 2"}
      << "2" << Padded({"A1:", "A2:", "L:"}) << "shape 1" << 8 << false << false;
  QTest::newRow("kind 1 shape 2, NR checked before")
      << QStringList{"nr on", "kind 1", "shape 2"}
      << "2" << Padded({"A1:", "A2:", "L:", "NR:"}) << "shape 1" << 8 << false << true;
  QTest::newRow("kind 1 shape 4, NR off: NR row all the same")
      << QStringList{"kind 1", "shape 4"}
      << "4" << Padded({"L:", "D:", "NR:"}) << "shape 3" << 3 << false << false;
  QTest::newRow("kind 1 shape 4, NR on: frame follows")
      << QStringList{"nr on", "kind 1", "shape 4"}
      << "4" << Padded({"L:", "D:", "NR:"}) << "shape 3" << 3 << false << true;
  QTest::newRow("kind 1 shape 6: five rows")
      << six << "6" << QStringList{"A1:55", "A2:5", "L:40", "D:20", "NR:0.8"} << "shape 5" << 3 << false << false;
  QTest::newRow("6 overtyped by 4 keeps rows 4-5")
      << six + QStringList{"shape 4"}
      << "4" << QStringList{"L:55", "D:5", "NR:40", "D:20", "NR:0.8"} << "shape 3" << 3 << false << false;
  QTest::newRow("6 deleted, then 4 typed: rows emptied first")
      << six + QStringList{"shape ", "shape 4"}
      << "4" << Padded({"L:", "D:", "NR:"}) << "shape 3" << 3 << false << false;
  QTest::newRow("12 typed through 1 keeps shape 1's rows")
      << QStringList{"kind 1", "shape 1", "row 1 60", "shape 12"}
      << "12" << Padded({"A1:60", "A2:", "L:"}) << "none" << 3 << false << false;
  QTest::newRow("8 after 2 matches nothing, rows unchanged")
      << QStringList{"kind 1", "shape 2", "shape 8"}
      << "8" << Padded({"A1:", "A2:", "L:"}) << "none" << 3 << false << false;
  QTest::newRow("8 straight after the kind: no rows")
      << QStringList{"kind 1", "shape 8"}
      << "8" << Padded({}) << "none" << 3 << false << false;
  QTest::newRow("1.5 gives shape 2")
      << QStringList{"kind 1", "shape 1.5"}
      << "1.5" << Padded({"A1:", "A2:", "L:"}) << "shape 1" << 8 << false << false;
  QTest::newRow("2.5 gives shape 2")
      << QStringList{"kind 1", "shape 2.5"}
      << "2.5" << Padded({"A1:", "A2:", "L:"}) << "shape 1" << 8 << false << false;
  QTest::newRow("0.5 gives 0: the box is emptied")
      << QStringList{"kind 1", "shape 2", "shape 0.5"}
      << "" << Padded({}) << "kind 0" << 3 << true << false;
  QTest::newRow("3 2 reads 32: matches nothing for kind 3")
      << QStringList{"kind 3", "shape 3 2"}
      << "3 2" << Padded({}) << "none" << 3 << false << false;
  QTest::newRow("3a reads 3")
      << QStringList{"kind 3", "shape 3a"}
      << "3a" << Padded({"A1:", "A2:", "L:"}) << "shape 12" << 7 << false << false;
  QTest::newRow("letters read 0: the box is emptied")
      << QStringList{"kind 3", "shape x"}
      << "" << Padded({}) << "kind 2" << 3 << true << false;
  QTest::newRow("kind 24 shape 1 with NR checked: no rows, no frame")
      << QStringList{"nr on", "kind 24", "shape 1"}
      << "1" << Padded({}) << "shape 24" << 9 << false << false;
  QTest::newRow("no kind, non-zero shape: nothing shown, position 9")
      << QStringList{"shape 5"}
      << "5" << Padded({}) << "none" << 9 << false << false;
  QTest::newRow("shape beyond 16 bits matches nothing, rows kept")
      << QStringList{"kind 2", "shape 1", "shape 99999"}
      << "99999" << Padded({"A1:", "A2:", "L:", "D:"}) << "none" << 2 << false << false;
  QTest::newRow("position chosen after the shape stays")
      << QStringList{"kind 1", "shape 2", "pos 5"}
      << "2" << Padded({"A1:", "A2:", "L:"}) << "shape 1" << 5 << false << false;
  QTest::newRow("clear all with shape 2: kind's default position, Check2 enabled")
      << QStringList{"nr on", "kind 1", "shape 2", "row 1 55", "clear"}
      << "" << Padded({}) << "none" << 3 << true << false;
  QTest::newRow("clear all with the box empty leaves the position")
      << QStringList{"kind 2", "pos 5", "clear"}
      << "" << Padded({}) << "none" << 5 << true << false;
  // clang-format on
}

void TestToolLayout::Walk() {
  QFETCH(QStringList, steps);
  QFETCH(QString, shape_text);
  QFETCH(QStringList, rows);
  QFETCH(QString, picture);
  QFETCH(int, nose_position);
  QFETCH(bool, nose_output_enabled);
  QFETCH(bool, frame);

  const ToolLayout layout = Play(steps);
  QCOMPARE(layout.shape_text, shape_text);
  QCOMPARE(Rows(layout), rows);
  QCOMPARE(Picture(layout), picture);
  QCOMPARE(layout.nose_position, nose_position);
  QCOMPARE(layout.nose_output_enabled, nose_output_enabled);
  QCOMPARE(layout.nose_frame_visible, frame);
}

void TestToolLayout::NestingEndsAfterOneRound() {
  // Choosing a kind with a shape number present and "全消去" both end with the kind chosen
  // or cleared once, the box empty and the state settled: running them again changes nothing.
  ToolLayout layout = Play({"nr on", "kind 1", "shape 2", "kind 2"});
  const ToolLayout settled = layout;
  ChangeShapeText(layout, QString());
  QCOMPARE(layout, settled);
  ClearFieldRows(layout);
  QCOMPARE(layout, settled);
  QCOMPARE(layout.kind, 2);
  QVERIFY(layout.nose_output);
}

void TestToolLayout::NoseOutputUncheckedHidesFrame() {
  ToolLayout layout = Play({"nr on", "kind 1", "shape 4"});
  QVERIFY(layout.nose_frame_visible);
  SetNoseOutput(layout, false);
  QVERIFY(!layout.nose_frame_visible);
  // Checking again shows nothing until the next field set is laid out.
  SetNoseOutput(layout, true);
  QVERIFY(!layout.nose_frame_visible);
  ChangeShapeText(layout, "5");
  QVERIFY(layout.nose_frame_visible);
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestToolLayout)
#include "tst_tool_layout.moc"
