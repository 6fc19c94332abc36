#include <QAtomicInt>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTest>
#include <QThreadPool>

#include <memory>

#include "preview/background_jobs.h"

namespace zel {

class TestBackgroundJobs : public QObject {
  Q_OBJECT

 private slots:
  // Two jobs of different kinds run side by side also on a single core.
  void initTestCase() {
    QThreadPool::globalInstance()->setMaxThreadCount(
        std::max(2, QThreadPool::globalInstance()->maxThreadCount()));
  }
  void OvertakenOrDroppedResultsAreNeverDelivered();
  void ThreadsThatMatchedLongLinesEnd();
};

// While a job runs, two more of its kind are started: the running one's result and the
// first waiting one's are overtaken, and that one never even runs; another kind is not held
// up. A result dropped while running, or whose owner is gone, is not delivered either.
void TestBackgroundJobs::OvertakenOrDroppedResultsAreNeverDelivered() {
  auto go = std::make_shared<QSemaphore>();
  const auto held = [go](int value) {
    return std::function<int()>([go, value] { return go->acquire(), value; });
  };
  QList<int> delivered;
  const auto deliver = [&delivered](int value) { delivered << value; };
  int runs = 0;
  {
    BackgroundJobs jobs;
    jobs.Start<int>(0, held(1), deliver);
    jobs.Start<int>(0, [&runs] { return ++runs, 2; }, deliver);
    jobs.Start<int>(0, [] { return 3; }, deliver);
    jobs.Start<int>(1, [] { return 10; }, deliver);
    QTRY_COMPARE(delivered, QList<int>{10});
    QVERIFY(jobs.Busy(0));
    go->release();
    QTRY_VERIFY(!jobs.Busy(0));
    QCOMPARE(delivered, (QList<int>{10, 3}));
    QCOMPARE(runs, 0);
    jobs.Start<int>(0, held(4), deliver);
    jobs.Drop(0);
    go->release();
    QTRY_VERIFY(!jobs.Busy(0));
    jobs.Start<int>(0, held(5), deliver);
  }
  go->release();
  QTest::qWait(50);
  QCOMPARE(delivered, (QList<int>{10, 3}));
}

// The jobs match long lines in worker threads, which then need a larger regular-expression
// stack of their own. A thread that had one must end cleanly: the Windows build's Qt once
// freed it after the thread's storage was gone, and the program no longer ended (under
// Wine; the thread's end ran into freed memory). Threads are ended three times over, so a
// thread left half-ended shows as a hang here or at the program's end.
void TestBackgroundJobs::ThreadsThatMatchedLongLinesEnd() {
  // 20 000 repetitions need more than the 32 KiB default stack, less than its 512 KiB limit.
  const QString line = QString(20000, u'A') + u';';
  const QRegularExpression pattern(QStringLiteral("^(?:A|B)*;$"));
  for (int round = 0; round < 3; ++round) {
    QAtomicInt matched;
    {
      QThreadPool pool;
      pool.setMaxThreadCount(4);
      for (int i = 0; i < 4; ++i) {
        pool.start([&] {
          if (pattern.match(line).hasMatch()) matched.ref();
        });
      }
    }  // the pool waits for its work, then its threads end
    QCOMPARE(matched.loadRelaxed(), 4);
  }
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestBackgroundJobs)
#include "tst_background_jobs.moc"
