// The search engine and the press logic of the find and replace windows, over a plain string.
#include <QTest>

#include "search/search_engine.h"
#include "search/string_search_target.h"

using zel::PressResult;
using zel::SearchState;
using zel::StringSearchTarget;

namespace {

// "全て変更" as a loop of single searches and replacements, the way the dialog would do it
// press by press: the reference the one-pass version must agree with.
struct LoopOutcome {
  QString text;
  QString message;
  qint64 search_pos = 0;
  qint64 caret = 0;
};

LoopOutcome AllChangeByLoop(const QString& text, const QString& find, const QString& replace,
                            qint64 search_pos, qint64 hit_count, bool from_top) {
  StringSearchTarget target(text);
  SearchState state;
  state.FindText = find;
  state.ReplaceText = replace;
  state.SearchPos = search_pos;
  state.HitCount = hit_count;
  if (from_top) state.SearchPos = 0;
  if (state.SearchPos > 1) state.SearchPos -= 2;
  while (zel::SearchNext(state, target)) zel::ReplaceHit(state, target);
  return {target.Text(), zel::AllChangeMessage(state), state.SearchPos, target.Caret()};
}

}  // namespace

class TestSearchEngine : public QObject {
  Q_OBJECT

 private slots:
  void SearchNextMatchesExactly_data();
  void SearchNextMatchesExactly();
  void SearchNextLeavesAllAloneWhenNothingFound();
  void Messages_data();
  void Messages();

  void FindPressStartsAtTopWhenChecked();
  void FindPressNotFoundQuotesTheSearchText();
  void OverlappingHitsWithFindNext();
  void FindNextPassesOverAnOccurrenceRightAtTheCaret();
  void HitAtTheVeryEndThenCount();
  void FindFieldChangeResetsCount();

  void ChangeThreeTimesOverTwoOccurrences();
  void ChangeGoesOnRightAfterTheInsertedText();
  void SkipFirstOnAFreshDialog();
  void NotFoundMessagesOfTheThreeButtons();
  void AllChange_data();
  void AllChange();
  void AllChangeAgreesWithTheLoop_data();
  void AllChangeAgreesWithTheLoop();
  void AllChangeCountsOnFromChange();
  void EmptySearchTextFindsNothing();
};

void TestSearchEngine::SearchNextMatchesExactly_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("find");
  QTest::addColumn<qint64>("from");
  QTest::addColumn<qint64>("hit");

  QTest::newRow("case differs") << "N001 G01 X10.\r\n"
                                << "g01" << qint64(0) << qint64(-1);
  QTest::newRow("case matches") << "N001 G01 X10.\r\n"
                                << "G01" << qint64(0) << qint64(5);
  QTest::newRow("full width differs") << "G01 X10."
                                      << "Ｇ０１" << qint64(0) << qint64(-1);
  QTest::newRow("full width matches") << "G00 Ｇ０１"
                                      << "Ｇ０１" << qint64(0) << qint64(4);
  QTest::newRow("half-width kana") << "ｷｬﾝｾﾙ キャンセル"
                                   << "キャンセル" << qint64(0) << qint64(6);
  QTest::newRow("japanese") << "(ﾁｬｯｸ)\r\n(ワーク形状)\r\n"
                            << "ワーク" << qint64(0) << qint64(9);
  QTest::newRow("line end inside") << "G00\r\nG01\r\nG01"
                                   << "G01\r\nG" << qint64(0) << qint64(5);
  QTest::newRow("only from the position") << "G01 G01"
                                          << "G01" << qint64(1) << qint64(4);
  QTest::newRow("at the position") << "G01 G01"
                                   << "G01" << qint64(4) << qint64(4);
  QTest::newRow("at the very end") << "X1 Y2 END"
                                   << "END" << qint64(0) << qint64(6);
  QTest::newRow("no wrap-around") << "G01 X1"
                                  << "G01" << qint64(1) << qint64(-1);
  QTest::newRow("beyond the end") << "G01"
                                  << "G01" << qint64(4) << qint64(-1);
}

void TestSearchEngine::SearchNextMatchesExactly() {
  QFETCH(QString, text);
  QFETCH(QString, find);
  QFETCH(qint64, from);
  QFETCH(qint64, hit);

  StringSearchTarget target(text);
  SearchState state;
  state.FindText = find;
  state.SearchPos = from;
  QCOMPARE(zel::SearchNext(state, target), hit >= 0);
  if (hit >= 0) {
    QCOMPARE(target.SelectionStart(), hit);
    QCOMPARE(target.SelectedText(), find);
    QCOMPARE(state.SearchPos, hit + find.size());
  } else {
    QCOMPARE(state.SearchPos, from);
  }
  QCOMPARE(target.Text(), text);
}

void TestSearchEngine::SearchNextLeavesAllAloneWhenNothingFound() {
  StringSearchTarget target("N100 G00 X0 Z0");
  target.Select(5, 3);
  SearchState state;
  state.FindText = "G01";
  state.SearchPos = 2;
  state.HitCount = 4;
  QVERIFY(!zel::SearchNext(state, target));
  QCOMPARE(target.SelectionStart(), 5);
  QCOMPARE(target.SelectionLength(), 3);
  QCOMPARE(state.SearchPos, 2);
  QCOMPARE(state.HitCount, 4);
}

void TestSearchEngine::Messages_data() {
  QTest::addColumn<QString>("find");
  QTest::addColumn<qint64>("count");
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("next");
  QTest::addColumn<QString>("change");
  QTest::addColumn<QString>("all");

  QTest::newRow("count") << "G01" << qint64(3) << QString(" 回 見つかりました。").prepend("3")
                         << "3回 見つかりました。"
                         << "3 回　変更しました。"
                         << "3 回 変更しました。";
  QTest::newRow("not found") << "g01" << qint64(0) << "\"g01\" は見つかりませんでした。"
                             << "\"g01\"は見つかりませんでした。"
                             << "\"g01\" 見つかりませんでした。"
                             << "\"g01\" 見つかりませんでした。";
  QTest::newRow("empty") << "" << qint64(0) << "\"\" は見つかりませんでした。"
                         << "\"\"は見つかりませんでした。"
                         << "\"\" 見つかりませんでした。"
                         << "\"\" 見つかりませんでした。";
  QTest::newRow("large count") << "X" << qint64(200000) << "200000 回 見つかりました。"
                               << "200000回 見つかりました。"
                               << "200000 回　変更しました。"
                               << "200000 回 変更しました。";
}

void TestSearchEngine::Messages() {
  QFETCH(QString, find);
  QFETCH(qint64, count);
  SearchState state;
  state.FindText = find;
  state.HitCount = count;
  QTEST(zel::FindDialogMessage(state), "dialog");
  QTEST(zel::FindNextMessage(state), "next");
  QTEST(zel::ChangeMessage(state), "change");
  QTEST(zel::AllChangeMessage(state), "all");
  // The blank before 変更 after "変　更" is the ideographic space.
  if (count != 0) QVERIFY(zel::ChangeMessage(state).contains(QChar(0x3000)));
}

void TestSearchEngine::FindPressStartsAtTopWhenChecked() {
  StringSearchTarget target("G01 X1\r\nG01 X2\r\n");
  target.Select(target.Length(), 0);
  SearchState state;
  state.SearchPos = target.Length();
  zel::FindFieldChanged(state, "G01");

  const PressResult first = zel::FindPress(state, target, true);
  QVERIFY(first.found);
  QVERIFY(!first.from_top);
  QCOMPARE(target.SelectionStart(), 0);
  QCOMPARE(state.SearchPos, 3);
  QCOMPARE(state.HitCount, 1);

  // Unchecked: it goes on from SearchPos.
  const PressResult second = zel::FindPress(state, target, false);
  QVERIFY(second.found);
  QCOMPARE(target.SelectionStart(), 8);
  QCOMPARE(state.HitCount, 2);

  const PressResult third = zel::FindPress(state, target, false);
  QVERIFY(!third.found);
  QCOMPARE(third.message, QString("2 回 見つかりました。"));
  QVERIFY(third.from_top);
  QCOMPARE(state.HitCount, 0);
  QCOMPARE(target.SelectionStart(), 8);
}

void TestSearchEngine::FindPressNotFoundQuotesTheSearchText() {
  StringSearchTarget target("N1 G01 X1\r\n");
  SearchState state;
  zel::FindFieldChanged(state, "g01");
  const PressResult result = zel::FindPress(state, target, true);
  QVERIFY(!result.found);
  QCOMPARE(result.message, QString("\"g01\" は見つかりませんでした。"));
  QVERIFY(result.from_top);
}

void TestSearchEngine::OverlappingHitsWithFindNext() {
  StringSearchTarget target("aaaa");
  SearchState state;
  zel::FindFieldChanged(state, "aa");
  QVERIFY(zel::FindPress(state, target, true).found);
  QCOMPARE(target.SelectionStart(), 0);
  for (qint64 expected : {1, 2}) {
    QVERIFY(zel::FindNextPress(state, target).found);
    QCOMPARE(target.SelectionStart(), expected);
    QCOMPARE(target.SelectionLength(), 2);
  }
  const PressResult last = zel::FindNextPress(state, target);
  QVERIFY(!last.found);
  QCOMPARE(last.message, QString("3回 見つかりました。"));
  QVERIFY(last.from_top);
  QCOMPARE(state.HitCount, 0);
  QCOMPARE(state.SearchPos, 3);  // selection start + 1, unchanged by the failed search
  QCOMPARE(target.SelectionStart(), 2);
}

void TestSearchEngine::FindNextPassesOverAnOccurrenceRightAtTheCaret() {
  StringSearchTarget target("X1 G01 X2 G01");
  target.Select(3, 0);
  SearchState state;
  zel::FindFieldChanged(state, "G01");
  QVERIFY(zel::FindNextPress(state, target).found);
  QCOMPARE(target.SelectionStart(), 10);

  target.Select(10, 0);
  const PressResult none = zel::FindNextPress(state, target);
  QVERIFY(!none.found);
  QCOMPARE(none.message, QString("1回 見つかりました。"));
}

void TestSearchEngine::HitAtTheVeryEndThenCount() {
  StringSearchTarget target("N1 M30\r\nM30");
  SearchState state;
  zel::FindFieldChanged(state, "M30");
  QVERIFY(zel::FindPress(state, target, true).found);
  QVERIFY(zel::FindNextPress(state, target).found);
  QCOMPARE(target.SelectionStart(), 8);
  QCOMPARE(target.SelectedText(), QString("M30"));
  QCOMPARE(state.SearchPos, target.Length());
  QCOMPARE(zel::FindNextPress(state, target).message, QString("2回 見つかりました。"));
}

void TestSearchEngine::FindFieldChangeResetsCount() {
  SearchState state;
  state.HitCount = 5;
  state.SearchPos = 7;
  zel::FindFieldChanged(state, "X");
  QCOMPARE(state.FindText, QString("X"));
  QCOMPARE(state.HitCount, 0);
  QCOMPARE(state.SearchPos, 7);
}

void TestSearchEngine::ChangeThreeTimesOverTwoOccurrences() {
  const QString filler(300, QChar('-'));
  StringSearchTarget target("G01" + filler + "G01\r\n");
  target.Select(10, 0);
  SearchState state;
  zel::BeginReplace(state, target);
  QCOMPARE(state.SearchPos, 10);
  zel::ReplaceFieldsChanged(state, "G01", "G1");

  const PressResult first = zel::ChangePress(state, target, true);
  QVERIFY(first.found);
  QVERIFY(!first.from_top);
  QVERIFY(!state.FirstPress);
  QCOMPARE(target.SelectionStart(), 0);
  QCOMPARE(target.ChangeCount(), 0);

  const PressResult second = zel::ChangePress(state, target, false);
  QVERIFY(second.found);
  QCOMPARE(target.Text(), "G1" + filler + "G01\r\n");
  QCOMPARE(target.SelectionStart(), 302);
  QCOMPARE(state.HitCount, 1);

  const PressResult third = zel::ChangePress(state, target, false);
  QVERIFY(!third.found);
  QCOMPARE(third.message, QString("2 回　変更しました。"));
  QVERIFY(third.from_top);
  QCOMPARE(target.Text(), "G1" + filler + "G1\r\n");
  QVERIFY(state.FirstPress);
  QCOMPARE(state.HitCount, 0);
  QCOMPARE(target.ChangeCount(), 2);
}

void TestSearchEngine::ChangeGoesOnRightAfterTheInsertedText() {
  // Adjacent occurrences and a replacement shorter than the search text: every one of them
  // is replaced and counted.
  StringSearchTarget target("ABCABCABC");
  SearchState state;
  zel::BeginReplace(state, target);
  zel::ReplaceFieldsChanged(state, "ABC", "x");
  bool from_top = true;
  PressResult result;
  do {
    result = zel::ChangePress(state, target, from_top);
    from_top = result.from_top;
  } while (result.found);
  QCOMPARE(target.Text(), QString("xxx"));
  QCOMPARE(result.message, QString("3 回　変更しました。"));
}

void TestSearchEngine::SkipFirstOnAFreshDialog() {
  StringSearchTarget target("A1 A2 A3");
  SearchState state;
  zel::BeginReplace(state, target);
  zel::ReplaceFieldsChanged(state, "A", "B");

  const PressResult skip = zel::SkipPress(state, target, true);
  QVERIFY(skip.found);
  QVERIFY(!skip.from_top);
  QCOMPARE(target.SelectionStart(), 0);
  QVERIFY(state.FirstPress);
  QCOMPARE(state.HitCount, 0);

  // The first "変　更" only turns FirstPress off and moves on: A1 stays.
  QVERIFY(zel::ChangePress(state, target, false).found);
  QCOMPARE(target.Text(), QString("A1 A2 A3"));
  QCOMPARE(target.SelectionStart(), 3);
  QVERIFY(zel::ChangePress(state, target, false).found);
  QCOMPARE(target.Text(), QString("A1 B2 A3"));
  QCOMPARE(target.SelectionStart(), 6);

  // "スキップ" when nothing follows: count message with the ordinary blank, box unchanged.
  const PressResult end = zel::SkipPress(state, target, false);
  QVERIFY(!end.found);
  QCOMPARE(end.message, QString("1 回 変更しました。"));
  QVERIFY(!end.from_top);
  QVERIFY(state.FirstPress);
  QCOMPARE(state.HitCount, 0);
}

void TestSearchEngine::NotFoundMessagesOfTheThreeButtons() {
  const QString expected = "\"ｸﾗﾝﾌﾟ\" 見つかりませんでした。";
  for (int button = 0; button < 3; ++button) {
    StringSearchTarget target("N1 (チャック)\r\n");
    SearchState state;
    zel::BeginReplace(state, target);
    zel::ReplaceFieldsChanged(state, "ｸﾗﾝﾌﾟ", "X");
    PressResult result;
    if (button == 0) result = zel::ChangePress(state, target, true);
    if (button == 1) result = zel::SkipPress(state, target, true);
    if (button == 2) result = zel::AllChangePress(state, target, true);
    QCOMPARE(result.found, false);
    QCOMPARE(result.message, expected);
    QVERIFY(state.FirstPress);
    QCOMPARE(target.ChangeCount(), 0);
    // "スキップ" leaves the box as its first step left it; the others check it again.
    QCOMPARE(result.from_top, button != 1);
  }
}

void TestSearchEngine::AllChange_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("find");
  QTest::addColumn<QString>("replace");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<QString>("message");

  const QString far(2000, QChar(' '));
  QTest::newRow("far apart") << "G01" + far + "G01" + far + "G01"
                             << "G01"
                             << "G02"
                             << "G02" + far + "G02" + far + "G02"
                             << "3 回 変更しました。";
  QTest::newRow("adjacent") << "ABABAB"
                            << "AB"
                            << "C"
                            << "CCC"
                            << "3 回 変更しました。";
  QTest::newRow("overlapping") << "aaaaa"
                               << "aa"
                               << "b"
                               << "bba"
                               << "2 回 変更しました。";
  QTest::newRow("empty replacement") << "X1. X2. X3."
                                     << "."
                                     << ""
                                     << "X1 X2 X3"
                                     << "3 回 変更しました。";
  QTest::newRow("replacement holds the search text") << "a-a-a"
                                                     << "a"
                                                     << "aa"
                                                     << "aa-aa-aa"
                                                     << "3 回 変更しました。";
  QTest::newRow("replacement ends with the search text") << "GG"
                                                         << "G"
                                                         << "xG"
                                                         << "xGxG"
                                                         << "2 回 変更しました。";
  QTest::newRow("exact case") << "G01 g01 G01"
                              << "g01"
                              << "G01"
                              << "G01 G01 G01"
                              << "1 回 変更しました。";
  QTest::newRow("exact width") << "Ｘ1 X1 Ｘ2"
                               << "Ｘ"
                               << "X"
                               << "X1 X1 X2"
                               << "2 回 変更しました。";
  QTest::newRow("japanese") << "(ﾁｬｯｸ)\r\n(ﾁｬｯｸ 2)"
                            << "ﾁｬｯｸ"
                            << "チャック"
                            << "(チャック)\r\n(チャック 2)"
                            << "2 回 変更しました。";
  QTest::newRow("line ends") << "A\r\nB\r\nC"
                             << "\r\n"
                             << ";\r\n"
                             << "A;\r\nB;\r\nC"
                             << "2 回 変更しました。";
  QTest::newRow("none") << "G00 X0"
                        << "G01"
                        << "G02"
                        << "G00 X0"
                        << "\"G01\" 見つかりませんでした。";
  QTest::newRow("empty search text") << "G00 X0"
                                     << ""
                                     << "G02"
                                     << "G00 X0"
                                     << "\"\" 見つかりませんでした。";
}

void TestSearchEngine::AllChange() {
  QFETCH(QString, text);
  QFETCH(QString, find);
  QFETCH(QString, replace);
  QFETCH(QString, expected);

  StringSearchTarget target(text);
  target.Select(target.Length(), 0);
  SearchState state;
  zel::BeginReplace(state, target);
  zel::ReplaceFieldsChanged(state, find, replace);
  state.FirstPress = false;
  const PressResult result = zel::AllChangePress(state, target, true);
  QCOMPARE(target.Text(), expected);
  QTEST(result.message, "message");
  QVERIFY(!result.found);
  QVERIFY(result.from_top);
  QVERIFY(state.FirstPress);
  QCOMPARE(state.HitCount, 0);
  // One change of the program text, or none when nothing was replaced.
  QCOMPARE(target.ChangeCount(), text == expected ? 0 : 1);
}

void TestSearchEngine::AllChangeAgreesWithTheLoop_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("find");
  QTest::addColumn<QString>("replace");
  QTest::addColumn<qint64>("search_pos");
  QTest::addColumn<bool>("from_top");

  QTest::newRow("from the top") << "xAxxAxA"
                                << "A"
                                << "BB" << qint64(5) << true;
  QTest::newRow("back by two") << "AB AB AB"
                               << "AB"
                               << "" << qint64(5) << false;
  QTest::newRow("back by two finds a held hit") << "G1 G1 G1"
                                                << "G1"
                                                << "G2" << qint64(5) << false;
  QTest::newRow("position 1 stays") << "AAA"
                                    << "A"
                                    << "b" << qint64(1) << false;
  QTest::newRow("beyond the end") << "AAA"
                                  << "A"
                                  << "b" << qint64(9) << false;
  QTest::newRow("growing") << "ababab"
                           << "ab"
                           << "abab" << qint64(0) << true;
  QTest::newRow("nothing") << "xyz"
                           << "A"
                           << "b" << qint64(0) << true;
}

void TestSearchEngine::AllChangeAgreesWithTheLoop() {
  QFETCH(QString, text);
  QFETCH(QString, find);
  QFETCH(QString, replace);
  QFETCH(qint64, search_pos);
  QFETCH(bool, from_top);

  const LoopOutcome loop = AllChangeByLoop(text, find, replace, search_pos, 0, from_top);

  StringSearchTarget target(text);
  SearchState state;
  zel::ReplaceFieldsChanged(state, find, replace);
  state.SearchPos = search_pos;
  const PressResult result = zel::AllChangePress(state, target, from_top);
  QCOMPARE(target.Text(), loop.text);
  QCOMPARE(result.message, loop.message);
  QCOMPARE(state.SearchPos, loop.search_pos);
  if (target.ChangeCount() != 0) QCOMPARE(target.Caret(), loop.caret);
}

void TestSearchEngine::AllChangeCountsOnFromChange() {
  // Replacements made by "変　更" before count in the message of "全て変更".
  StringSearchTarget target("X1 X2 X3 X4");
  SearchState state;
  zel::BeginReplace(state, target);
  zel::ReplaceFieldsChanged(state, "X", "Z");
  QVERIFY(zel::ChangePress(state, target, true).found);
  QVERIFY(zel::ChangePress(state, target, false).found);
  QCOMPARE(state.HitCount, 1);
  QCOMPARE(state.SearchPos, 4);  // X2 is held; "全て変更" steps back over it
  const PressResult all = zel::AllChangePress(state, target, false);
  QCOMPARE(target.Text(), QString("Z1 Z2 Z3 Z4"));
  QCOMPARE(all.message, QString("4 回 変更しました。"));
}

void TestSearchEngine::EmptySearchTextFindsNothing() {
  StringSearchTarget target("G01 X1");
  target.Select(2, 1);
  SearchState state;
  state.SearchPos = 1;
  QCOMPARE(zel::FindPress(state, target, true).message, QString("\"\" は見つかりませんでした。"));
  QCOMPARE(zel::FindNextPress(state, target).message, QString("\"\"は見つかりませんでした。"));
  state.FirstPress = false;
  const PressResult change = zel::ChangePress(state, target, false);
  QCOMPARE(change.message, QString("\"\" 見つかりませんでした。"));
  QCOMPARE(zel::SkipPress(state, target, false).message, QString("\"\" 見つかりませんでした。"));
  QCOMPARE(zel::AllChangePress(state, target, false).message,
           QString("\"\" 見つかりませんでした。"));
  QCOMPARE(target.Text(), QString("G01 X1"));
  QCOMPARE(target.ChangeCount(), 0);
  QCOMPARE(target.SelectionStart(), 2);
  QCOMPARE(target.SelectionLength(), 1);
}

QTEST_GUILESS_MAIN(TestSearchEngine)
#include "tst_search_engine.moc"
