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

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestBackgroundJobs)
#include "tst_background_jobs.moc"
