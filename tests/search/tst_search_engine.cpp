// The search engine and the press logic of the find and replace windows, over a plain string.
#include <QRandomGenerator>
#include <QTest>

#include <string>

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
  while (zel::SearchNext(state, target)) {
    state.HeldStart = target.SelectionStart();
    zel::ReplaceHit(state, target);
  }
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
  void CharactersNotUnits_data();
  void CharactersNotUnits();
  void PressSequences_data();
  void PressSequences();
  void RandomPressesAgreeWithThePlainRules_data();
  void RandomPressesAgreeWithThePlainRules();
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
    QCOMPARE(state.SearchPos, hit + find.toUcs4().size());
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
  QTest::newRow("from SearchPos") << "AB AB AB"
                                  << "AB"
                                  << "" << qint64(5) << false;
  QTest::newRow("from SearchPos inside a hit") << "G1 G1 G1"
                                               << "G1"
                                               << "G2" << qint64(4) << false;
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
  QCOMPARE(state.SearchPos, 4);
  QCOMPARE(state.HeldStart, 3);  // X2 is held; "全て変更" starts there
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

void TestSearchEngine::CharactersNotUnits_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("find");
  QTest::addColumn<qint64>("start");
  QTest::addColumn<qint64>("length");
  // clang-format off
  QTest::newRow("emoji alone")                << "a😀B c"        << "😀"     << qint64(1) << qint64(1);
  QTest::newRow("after an emoji")             << "a😀B c"        << "B"      << qint64(2) << qint64(1);
  QTest::newRow("emoji inside the search")    << "x😀y😀z"       << "😀z"    << qint64(3) << qint64(2);
  QTest::newRow("astral kanji")               << "(𩸽の切削)"    << "𩸽"     << qint64(1) << qint64(1);
  QTest::newRow("after two astral")           << "𩸽𩸽G01"       << "G01"    << qint64(2) << qint64(3);
  QTest::newRow("line end after astral")      << "𩸽\r\nG"       << "\r\nG"  << qint64(1) << qint64(3);
  // clang-format on
}

void TestSearchEngine::CharactersNotUnits() {
  QFETCH(QString, text);
  QFETCH(QString, find);
  QFETCH(qint64, start);
  QFETCH(qint64, length);
  StringSearchTarget target(text);
  SearchState state;
  state.FindText = find;
  QVERIFY(zel::SearchNext(state, target));
  QCOMPARE(target.SelectionStart(), start);
  QCOMPARE(target.SelectionLength(), length);
  QCOMPARE(target.SelectedText(), find);
  QCOMPARE(state.SearchPos, start + length);
  QCOMPARE(target.Length(), qint64(text.toUcs4().size()));
}

namespace {

// Runs presses of the replace dialog as the user makes them: "change", "skip", "all",
// "find=<text>" and "replace=<text>" (typing into a field). The box "先頭から開始" starts checked
// and follows each press. Returns the last message ("" when the last press found something).
QString RunPresses(SearchState& state, StringSearchTarget& target, const QStringList& presses) {
  bool from_top = true;
  QString message;
  for (const QString& press : presses) {
    PressResult result;
    if (press.startsWith("find=")) {
      zel::ReplaceFieldsChanged(state, press.mid(5), state.ReplaceText);
      continue;
    }
    if (press.startsWith("replace=")) {
      zel::ReplaceFieldsChanged(state, state.FindText, press.mid(8));
      continue;
    }
    if (press == "change") result = zel::ChangePress(state, target, from_top);
    if (press == "skip") result = zel::SkipPress(state, target, from_top);
    if (press == "all") result = zel::AllChangePress(state, target, from_top);
    from_top = result.from_top;
    message = result.found ? QString() : result.message;
  }
  return message;
}

}  // namespace

void TestSearchEngine::PressSequences_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("find");
  QTest::addColumn<QString>("replace");
  QTest::addColumn<QStringList>("presses");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("message");
  using L = QStringList;
  // clang-format off
  QTest::newRow("emoji replaced whole")            << "a😀B c" << "😀" << "x" << L{"change", "change"}
                                                   << "axB c" << "" << "1 回　変更しました。";
  QTest::newRow("astral kanji replaced whole")     << "(𩸽の切削)" << "𩸽" << "ホッケ" << L{"change", "change"}
                                                   << "(ホッケの切削)" << "" << "1 回　変更しました。";
  QTest::newRow("emoji inserted, next found")      << "😀-😀-" << "-" << "𩸽" << L{"change", "change", "change"}
                                                   << "😀𩸽😀𩸽" << "" << "2 回　変更しました。";
  QTest::newRow("all over astral text")            << "𩸽a𩸽a" << "a" << "😀😀" << L{"all"}
                                                   << "𩸽😀😀𩸽😀😀" << "" << "2 回 変更しました。";
  QTest::newRow("changed search text replaces nothing")
      << "G0 X5\r\nG01 X10.\r\nM30" << "G0" << "G00" << L{"change", "find=G01 X10.", "change"}
      << "G0 X5\r\nG01 X10.\r\nM30" << "G01 X10." << "";
  QTest::newRow("then the new occurrence is replaced")
      << "G0 X5\r\nG01 X10.\r\nM30" << "G0" << "G00" << L{"change", "find=G01 X10.", "change", "change"}
      << "G0 X5\r\nG00\r\nM30" << "" << "1 回　変更しました。";
  QTest::newRow("new search text that reads at the held place")
      << "G01 G01" << "G01" << "X" << L{"change", "find=G0", "change"}
      << "X1 G01" << "G0" << "";
  QTest::newRow("search restarts at the held place")
      << "AB B" << "AB" << "X" << L{"change", "find=B", "change"}
      << "AB B" << "B" << "";
  QTest::newRow("and replaces what it found there")
      << "AB B" << "AB" << "X" << L{"change", "find=B", "change", "change"}
      << "AX B" << "B" << "";
  QTest::newRow("replacement text changed is used")
      << "G01 G01" << "G01" << "X" << L{"change", "replace=Y", "change"}
      << "Y G01" << "G01" << "";
  QTest::newRow("all after two skips keeps the skipped")
      << "G00 X0" << "0" << "1" << L{"skip", "skip", "all"}
      << "G01 X1" << "" << "2 回 変更しました。";
  QTest::newRow("all after change leaves its insert")
      << "X11" << "1" << "01" << L{"change", "change", "all"}
      << "X0101" << "" << "2 回 変更しました。";
  QTest::newRow("all after a first change includes the held")
      << "A A A" << "A" << "B" << L{"change", "all"}
      << "B B B" << "" << "3 回 変更しました。";
  QTest::newRow("all after skipping to the end finds nothing after")
      << "A A A" << "A" << "B" << L{"skip", "skip", "skip", "skip", "all"}
      << "A A A" << "A" << "\"A\" 見つかりませんでした。";
  QTest::newRow("all from the top replaces all")
      << "A A A" << "A" << "B" << L{"skip", "skip", "skip", "change", "all"}
      << "B B B" << "" << "3 回 変更しました。";
  // clang-format on
}

void TestSearchEngine::PressSequences() {
  QFETCH(QString, text);
  QFETCH(QString, find);
  QFETCH(QString, replace);
  QFETCH(QStringList, presses);
  QFETCH(QString, expected);
  QFETCH(QString, selected);
  StringSearchTarget target(text);
  SearchState state;
  zel::BeginReplace(state, target);
  zel::ReplaceFieldsChanged(state, find, replace);
  const QString message = RunPresses(state, target, presses);
  QCOMPARE(target.Text(), expected);
  QCOMPARE(target.SelectedText(), selected);
  QTEST(message, "message");
}

namespace {

// The replace dialog's rules written out plainly over a std::u32string, one character per
// element: positions need no conversion, "全て変更" is a loop of single searches and
// replacements. The engine over a QString (where an astral character is two units) must agree
// with it step by step.
struct PlainReplaceDialog {
  std::u32string text, find, replace;
  qint64 selection_start = 0, selection_length = 0;
  qint64 search_pos = 0, hit_count = 0, held = -1;
  bool first_press = true, from_top = true;
  QString message;

  static QString Q(const std::u32string& s) {
    return QString::fromUcs4(s.data(), static_cast<qsizetype>(s.size()));
  }
  qint64 Find(qint64 from) const {
    if (find.empty()) return -1;
    for (qint64 i = std::max<qint64>(from, 0); i + qint64(find.size()) <= qint64(text.size()); ++i)
      if (text.compare(size_t(i), find.size(), find) == 0) return i;
    return -1;
  }
  bool Search() {
    const qint64 i = Find(search_pos);
    if (i < 0) return false;
    selection_start = i;
    selection_length = qint64(find.size());
    search_pos = i + qint64(find.size());
    return true;
  }
  void ReplaceAt(qint64 at) {
    text.replace(size_t(at), find.size(), replace);
    search_pos = at + qint64(replace.size());
    selection_start = search_pos;
    selection_length = 0;
    ++hit_count;
  }
  QString CountOr(const QString& count_text) const {
    return hit_count != 0 ? QString::number(hit_count) + count_text
                          : "\"" + Q(find) + "\" 見つかりませんでした。";
  }
  void EndOfRun(const QString& count_text) {
    message = CountOr(count_text);
    first_press = true;
    hit_count = 0;
    held = -1;
  }
  void Change() {
    message.clear();
    const bool top = from_top;
    if (top) {
      search_pos = 0;
      from_top = false;
    }
    const bool stands = held >= 0 && held == Find(held);
    if (first_press) {
      first_press = false;
    } else if (stands) {
      ReplaceAt(held);
    } else if (!top && held >= 0) {
      search_pos = held;
    }
    held = -1;
    if (Search()) {
      held = selection_start;
      return;
    }
    EndOfRun(" 回　変更しました。");
    from_top = true;
  }
  void Skip() {
    message.clear();
    if (from_top) {
      search_pos = 0;
      from_top = false;
    }
    if (Search()) {
      held = selection_start;
      return;
    }
    EndOfRun(" 回 変更しました。");
  }
  void AllChange() {
    if (from_top) {
      search_pos = 0;
    } else if (held >= 0) {
      search_pos = held;
    }
    for (qint64 i = Find(search_pos); i >= 0; i = Find(search_pos)) ReplaceAt(i);
    EndOfRun(" 回 変更しました。");
    from_top = true;
  }
};

std::u32string RandomText(QRandomGenerator& random, int max_length) {
  static const std::u32string kAlphabet = U"ab😀𩸽\r\n変";
  std::u32string text;
  const int length = int(random.bounded(max_length + 1));
  for (int i = 0; i < length; ++i) text += kAlphabet[random.bounded(int(kAlphabet.size()))];
  return text;
}

}  // namespace

void TestSearchEngine::RandomPressesAgreeWithThePlainRules_data() {
  QTest::addColumn<quint32>("seed");
  for (quint32 seed : {1u, 2u, 3u, 4u}) QTest::addRow("seed %u", seed) << seed;
}

void TestSearchEngine::RandomPressesAgreeWithThePlainRules() {
  QFETCH(quint32, seed);
  QRandomGenerator random(seed);
  for (int run = 0; run < 1000; ++run) {
    PlainReplaceDialog plain;
    plain.text = RandomText(random, 14);
    plain.find = RandomText(random, 3);
    plain.replace = RandomText(random, 3);
    StringSearchTarget target(PlainReplaceDialog::Q(plain.text));
    const qint64 caret = random.bounded(int(plain.text.size()) + 1);
    target.Select(caret, 0);
    SearchState state;
    zel::BeginReplace(state, target);
    zel::ReplaceFieldsChanged(state, PlainReplaceDialog::Q(plain.find),
                              PlainReplaceDialog::Q(plain.replace));
    plain.search_pos = caret;
    plain.selection_start = caret;
    QString script;
    bool from_top = true;
    const int steps = 1 + int(random.bounded(10));
    for (int step = 0; step < steps; ++step) {
      const int what = int(random.bounded(10));
      PressResult result;
      if (what < 4) {
        script += " change";
        plain.Change();
        result = zel::ChangePress(state, target, from_top);
      } else if (what < 6) {
        script += " skip";
        plain.Skip();
        result = zel::SkipPress(state, target, from_top);
      } else if (what < 8) {
        script += " all";
        plain.AllChange();
        result = zel::AllChangePress(state, target, from_top);
      } else if (what < 9) {
        plain.find = RandomText(random, 3);
        plain.hit_count = 0;
        script += " find=" + PlainReplaceDialog::Q(plain.find);
        zel::ReplaceFieldsChanged(state, PlainReplaceDialog::Q(plain.find), state.ReplaceText);
        continue;
      } else {
        script += " top";
        plain.from_top = true;
        from_top = true;
        continue;
      }
      from_top = result.from_top;
      const QString where =
          QStringLiteral("run %1, text \"%2\", find \"%3\", replace \"%4\",%5")
              .arg(run)
              .arg(PlainReplaceDialog::Q(plain.text), state.FindText, state.ReplaceText, script);
      QVERIFY2(target.Text() == PlainReplaceDialog::Q(plain.text), qPrintable(where));
      QVERIFY2(target.SelectionStart() == plain.selection_start, qPrintable(where));
      QVERIFY2(target.SelectionLength() == plain.selection_length, qPrintable(where));
      QVERIFY2(state.SearchPos == plain.search_pos, qPrintable(where));
      QVERIFY2(state.HitCount == plain.hit_count, qPrintable(where));
      QVERIFY2(state.FirstPress == plain.first_press, qPrintable(where));
      QVERIFY2(from_top == plain.from_top, qPrintable(where));
      QVERIFY2((result.found ? QString() : result.message) == plain.message, qPrintable(where));
    }
  }
}

QTEST_GUILESS_MAIN(TestSearchEngine)
#include "tst_search_engine.moc"
