// Times the editor's work on a large program: open, save, select all + copy, undo, a
// keystroke at the end of the text, the first painted window, and the peak memory.
//   editor_bench [megabytes]   (default 20)
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

#include "platform/file_dialogs.h"
#include "app/main_window.h"
#include "platform/machine.h"
#include "platform/prompts.h"
#include "editor/editor_box.h"
#include "editor/program_document.h"

namespace {

class SilentPrompts : public zel::Prompts {
 public:
  zel::PromptAnswer Show(QWidget*, const zel::PromptRequest& r) override {
    std::printf("unexpected message: %s\n", qPrintable(r.text));
    return r.default_button;
  }
};

class NoDialogs : public zel::FileDialogs {
 public:
  QString GetOpenPath(QWidget*, const QString&) override { return {}; }
  QString GetSavePath(QWidget*, const QString&) override { return {}; }
};

long StatusKilobytes(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(key)) return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
  return -1;
}

// A lathe program of about `bytes` bytes in code page 932 with Japanese comments.
QByteArray MakeProgram(qint64 bytes) {
  // The comment in code page 932, encoded once through the program's own codec.
  const QByteArray sjis =
      zel::Cp932().Encode(QStringLiteral("(外径荒加工 工具摩耗補正 確認)").toUtf8(), {}).bytes;
  QByteArray out;
  out.reserve(bytes + 100);
  for (int n = 0; out.size() < bytes; ++n) {
    out += "N" + QByteArray::number(n % 10000) + " G01 X" + QByteArray::number(100 + n % 50) +
           ".5 Z-" + QByteArray::number(n % 300) + " F0.2";
    if (n % 3 == 0) out += ' ' + sjis;
    out += "\r\n";
  }
  return out;
}

double Ms(const QElapsedTimer& t) { return t.nsecsElapsed() / 1e6; }

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer since_start;
  since_start.start();
  QApplication app(argc, argv);
  const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 20;
  SilentPrompts prompts;
  NoDialogs dialogs;
  zel::RealPlatform platform;
  zel::MainWindow window(zel::MainWindowContext{prompts, dialogs, platform, zel::Cp932()});
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) std::printf("window not exposed\n");
  QCoreApplication::processEvents();
  std::printf("start-up to first painted window: %.1f ms\n", Ms(since_start));

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("BIG.MIN"));
  {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(MakeProgram(megabytes * 1000 * 1000));
  }
  const long rss_before = StatusKilobytes("VmRSS:");
  zel::ProgramDocument& doc = window.Document();
  zel::EditorBox& box = window.Editor();

  QElapsedTimer t;
  t.start();
  doc.OpenNamedFile(path, false);
  window.repaint();
  QCoreApplication::processEvents();
  std::printf("open %lld MB (%lld lines): %.1f ms\n", megabytes,
              static_cast<long long>(box.lines()), Ms(t));

  // Keystrokes at the end of the text.
  box.SetCaret(box.Length());
  box.setFocus();
  t.restart();
  const int keys = 200;
  for (int i = 0; i < keys; ++i) QTest::keyClick(&box, Qt::Key_A);
  std::printf("keystroke at the end: %.3f ms each\n", Ms(t) / keys);

  t.restart();
  doc.WriteProgramFile(path);
  std::printf("save: %.1f ms\n", Ms(t));

  t.restart();
  doc.AllCopy();
  std::printf("select all + copy: %.1f ms\n", Ms(t));

  t.restart();
  doc.UndoCommand();
  window.repaint();
  std::printf("undo: %.1f ms\n", Ms(t));

  QGuiApplication::clipboard()->clear();
  std::printf("memory: %ld MB before the file, peak %ld MB\n", rss_before / 1024,
              StatusKilobytes("VmHWM:") / 1024);
  return 0;
}
