#pragma once

#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace zel {

// Work that runs away from the main thread, so that the window it serves never holds up
// typing, and whose result only counts while it is the latest of its kind: a job started
// while another of the same kind runs waits for it and overtakes it, and the overtaken
// result is dropped unseen. Of several jobs started meanwhile only the last one runs. Each
// kind (reading the subprogram, interpreting the main program, …) runs one job at a time,
// independently of the other kinds.
//
// The work gets everything it needs by value (a copy of the text, not the editor) and must
// not touch widgets; its result is handed to `deliver` on the thread that owns this object.
// When this object is destroyed first, results still on the way are dropped.
class BackgroundJobs : public QObject {
  Q_OBJECT

 public:
  using Kind = int;

  explicit BackgroundJobs(QObject* parent = nullptr);
  ~BackgroundJobs() override;

  // Runs `work` away from this thread and hands its result to `deliver` unless a later Start
  // or Drop of the same kind came first.
  template <typename Result>
  void Start(Kind kind, std::function<Result()> work, std::function<void(Result)> deliver) {
    StartErased(kind, [work = std::move(work), deliver = std::move(deliver)]() -> Delivery {
      auto result = std::make_shared<Result>(work());
      return [deliver, result] { deliver(std::move(*result)); };
    });
  }

  // Whether a job of the kind runs or waits whose result would still be delivered.
  bool Busy(Kind kind) const;

  // Drops the results of every job of the kind started so far; one that runs finishes unseen.
  void Drop(Kind kind);

 signals:
  // A job's result was delivered, or a kind became idle with nothing to deliver.
  void Idle(int kind);

 private:
  // What the work leaves for the owning thread to do with its result.
  using Delivery = std::function<void()>;
  using Job = std::function<Delivery()>;
  struct Lane {
    quint64 ticket = 0;  // of the latest Start or Drop
    bool running = false;
    std::optional<Job> waiting;
  };
  // Shared with the running work, which finds through it whether this object still exists.
  struct Link;

  void StartErased(Kind kind, Job job);
  void Launch(Kind kind, Job job);
  void Finished(Kind kind, quint64 ticket, const Delivery& delivery);

  std::map<Kind, Lane> lanes_;
  std::shared_ptr<Link> link_;
};

}  // namespace zel
