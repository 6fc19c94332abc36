#include <QSemaphore>
#include <QSignalSpy>
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
  void OvertakenResultsAreDropped();
  void DroppedWhileRunning();
  void OwnerGoneBeforeTheResult();
};

namespace {

constexpr int kKind = 0;
constexpr int kOtherKind = 1;

// A job that waits for the test's go before it answers `value`.
std::function<int()> Held(std::shared_ptr<QSemaphore> go, int value) {
  return [go, value] {
    go->acquire();
    return value;
  };
}

}  // namespace

// While the first job runs, two more are started: the first's result and the second's are
// overtaken and never delivered; the second never even runs. Another kind is not held up.
void TestBackgroundJobs::OvertakenResultsAreDropped() {
  BackgroundJobs jobs;
  auto go = std::make_shared<QSemaphore>();
  QList<int> delivered;
  int runs = 0;
  const auto deliver = [&delivered](int value) { delivered << value; };
  jobs.Start<int>(kKind, Held(go, 1), deliver);
  jobs.Start<int>(
      kKind, [&runs] { return ++runs, 2; }, deliver);
  jobs.Start<int>(
      kKind, [] { return 3; }, deliver);
  jobs.Start<int>(
      kOtherKind, [] { return 10; }, deliver);
  QTRY_COMPARE(delivered, QList<int>{10});
  QVERIFY(jobs.Busy(kKind));
  go->release();
  QTRY_VERIFY(!jobs.Busy(kKind));
  QCOMPARE(delivered, (QList<int>{10, 3}));
  QCOMPARE(runs, 0);
}

void TestBackgroundJobs::DroppedWhileRunning() {
  BackgroundJobs jobs;
  QSignalSpy idle(&jobs, &BackgroundJobs::Idle);
  auto go = std::make_shared<QSemaphore>();
  bool delivered = false;
  jobs.Start<int>(kKind, Held(go, 1), [&delivered](int) { delivered = true; });
  jobs.Drop(kKind);
  go->release();
  QTRY_COMPARE(idle.size(), 1);
  QVERIFY(!delivered);
}

// The window that started the work is closed before the work ends: nothing is delivered and
// nothing crashes.
void TestBackgroundJobs::OwnerGoneBeforeTheResult() {
  auto go = std::make_shared<QSemaphore>();
  bool delivered = false;
  {
    BackgroundJobs jobs;
    jobs.Start<int>(kKind, Held(go, 1), [&delivered](int) { delivered = true; });
  }
  go->release();
  QTest::qWait(50);
  QVERIFY(!delivered);
}

}  // namespace zel

QTEST_GUILESS_MAIN(zel::TestBackgroundJobs)
#include "tst_background_jobs.moc"
