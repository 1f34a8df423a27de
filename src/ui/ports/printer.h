// The printer: each job is a formatted text printed on its own, with a title for the queue.
#pragma once

#include <vector>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

enum class Orientation { Portrait, Landscape };

struct PrintJob {
  Text title;
  RichText content;
  Orientation orientation = Orientation::Portrait;
};

class Printer {
 public:
  virtual ~Printer() = default;
  // False when the job could not be printed.
  virtual bool print(const PrintJob& job) = 0;
};

// Keeps every job it is given and passes it on to another printer, if there is one: what the
// script runner and the tests read back.
class RecordingPrinter : public Printer {
 public:
  explicit RecordingPrinter(Printer* next = nullptr) : next_(next) {}
  bool print(const PrintJob& job) override {
    jobs.push_back(job);
    return next_ == nullptr || next_->print(job);
  }
  std::vector<PrintJob> jobs;

 private:
  Printer* next_;
};

}  // namespace korvale
