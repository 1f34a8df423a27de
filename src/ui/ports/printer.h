// The printer: each job is a formatted text printed on its own, with a title for the queue. A
// line holding only a form feed starts a new page within the job; a job may instead carry a
// picture (a chart), which is stretched over the page.
#pragma once

#include <vector>

#include "base/text.h"
#include "ui/ports/rich_text.h"

namespace korvale {

enum class Orientation { Portrait, Landscape };

class Canvas;

constexpr char32_t kFormFeed = U'\f';

// The room a printed text usually keeps from the paper's edges.
inline constexpr int kUsualMarginMillimetres = 20;

struct PrintJob {
  Text title;
  RichText content;
  Orientation orientation = Orientation::Portrait;
  const Canvas* picture = nullptr;  // printed in place of the content when set
  // A text whose lines are ruled across the page keeps less room, so the rules fit a line.
  int marginMillimetres = kUsualMarginMillimetres;
  // Each line starts with a tab that was to keep the text off the paper's edge; the margin does
  // that already, so paper shows the lines as the screen does, without it.
  bool leadingTabIsMargin = false;
};

// Lines printed in bold "Courier New" at `size` points, so padded columns line up. They carry
// their own margin of blanks, so the paper keeps a narrow one.
PrintJob fixedPitchJob(const Text& title, const std::vector<Text>& lines, int size);

// The pages of a job's text: split at the lines that hold only a form feed.
std::vector<std::vector<Text>> printedPages(const PrintJob& job);

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
