// The real message boxes: title, buttons and a text that is shown as it stands.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "platform/prompts.h"

using namespace zel;

class PromptsTest : public QObject {
  Q_OBJECT

 private slots:
  void TextIsShownAsPlainText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("question");
    // clang-format off
    QTest::newRow("search text with markup")   << "<b>ZZ</b><img src=x> は見つかりません。" << false;
    QTest::newRow("path with markup and &")     << "/tmp/<i>a</i>&amp;.MIN ファイルが開けません." << false;
    QTest::newRow("question with a tag")        << "<u>データ</u>が変更されていますが開きますか ?" << true;
    // clang-format on
  }
  void TextIsShownAsPlainText() {
    QFETCH(QString, text);
    QFETCH(bool, question);
    QtPrompts prompts;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QString title;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      title = box->windowTitle();
      const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
      shown = label->text();
      format = label->textFormat();
      box->button(question ? QMessageBox::No : QMessageBox::Ok)->click();
    });
    const PromptAnswer answer =
        question ? (prompts.AskYesNo(nullptr, text, kAppTitle, true) ? PromptAnswer::kYes
                                                                     : PromptAnswer::kNo)
                 : prompts.Show(nullptr, PromptRequest{text, kAppTitle});
    QCOMPARE(answer, question ? PromptAnswer::kNo : PromptAnswer::kOk);
    QCOMPARE(title, QStringLiteral("ZEL_Editor"));
    QCOMPARE(shown, text);
    QCOMPARE(format, Qt::PlainText);
  }
};

QTEST_MAIN(PromptsTest)
#include "tst_prompts.moc"
