// Dialogs answered at random from a small stock of plausible answers and files, for the tests that
// use a window at random: cancelled, default or one of the stock.
#pragma once

#include <optional>
#include <random>
#include <vector>

#include "ui/ports/dialogs.h"

namespace korvale {

class RandomDialogs : public Dialogs {
 public:
  // Open dialogs pick from `files`; save dialogs from `saved`, or from `files` when it is empty.
  RandomDialogs(std::mt19937& random, std::vector<Path> files, std::vector<Text> answers,
                std::vector<Path> saved = {})
      : random_(random),
        files_(std::move(files)),
        answers_(std::move(answers)),
        saved_(std::move(saved)) {}

  void message(const Text&) override {}
  void error(const Text&, const Text&, Icon) override {}
  bool confirm(const Text&) override { return coin(); }
  bool question(const Text&, const Text&, Icon) override { return coin(); }
  std::optional<Text> input(const Text&, const Text&, const Text& defaultText) override {
    switch (pick(4)) {
      case 0:
        return std::nullopt;
      case 1:
        return defaultText;
      default:
        return answers_[pick(answers_.size())];
    }
  }
  std::optional<Path> openFile(const Text&, const Path&) override { return from(files_); }
  std::optional<Path> saveFile(const Text&, const Path&, const Path&) override {
    return from(saved_.empty() ? files_ : saved_);
  }
  std::optional<FontChoice> font(const FontChoice&) override {
    if (coin()) return std::nullopt;
    return FontChoice{U"Times New Roman", 8 + static_cast<int>(pick(20)), coin(), coin()};
  }
  bool print() override { return coin(); }
  void printerSetup() override {}

  std::size_t pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }
  bool coin() { return pick(2) == 0; }

 private:
  std::optional<Path> from(const std::vector<Path>& files) {
    if (pick(6) == 0) return std::nullopt;
    return files[pick(files.size())];
  }

  std::mt19937& random_;
  std::vector<Path> files_;
  std::vector<Text> answers_;
  std::vector<Path> saved_;
};

}  // namespace korvale
