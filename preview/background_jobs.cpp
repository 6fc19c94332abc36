#include "preview/background_jobs.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>

namespace zel {

struct BackgroundJobs::Link {
  QMutex mutex;
  BackgroundJobs* owner = nullptr;
};

BackgroundJobs::BackgroundJobs(QObject* parent) : QObject(parent), link_(std::make_shared<Link>()) {
  link_->owner = this;
}

BackgroundJobs::~BackgroundJobs() {
  // Work that ends from now on finds no owner; a result posted before is discarded with
  // this object's pending events.
  QMutexLocker lock(&link_->mutex);
  link_->owner = nullptr;
}

bool BackgroundJobs::Busy(Kind kind) const {
  const auto lane = lanes_.find(kind);
  return lane != lanes_.end() && (lane->second.running || lane->second.waiting);
}

void BackgroundJobs::Drop(Kind kind) {
  Lane& lane = lanes_[kind];
  ++lane.ticket;
  lane.waiting.reset();
}

void BackgroundJobs::StartErased(Kind kind, Job job) {
  Lane& lane = lanes_[kind];
  ++lane.ticket;
  if (lane.running) {
    // The running job will be overtaken; this one replaces any that waited before it.
    lane.waiting = std::move(job);
    return;
  }
  Launch(kind, std::move(job));
}

void BackgroundJobs::Launch(Kind kind, Job job) {
  Lane& lane = lanes_[kind];
  lane.running = true;
  const quint64 ticket = lane.ticket;
  QThreadPool::globalInstance()->start([link = link_, kind, ticket, job = std::move(job)] {
    Delivery delivery = job();
    QMutexLocker lock(&link->mutex);
    if (!link->owner) return;
    BackgroundJobs* owner = link->owner;
    QMetaObject::invokeMethod(
        owner,
        [owner, kind, ticket, delivery = std::move(delivery)] {
          owner->Finished(kind, ticket, delivery);
        },
        Qt::QueuedConnection);
  });
}

void BackgroundJobs::Finished(Kind kind, quint64 ticket, const Delivery& delivery) {
  Lane& lane = lanes_[kind];
  lane.running = false;
  if (lane.waiting) {
    Job next = std::move(*lane.waiting);
    lane.waiting.reset();
    Launch(kind, std::move(next));
    return;
  }
  if (ticket == lane.ticket) delivery();
  if (!Busy(kind)) emit Idle(kind);
}

}  // namespace zel
