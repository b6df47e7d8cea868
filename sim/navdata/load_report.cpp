#include "sim/navdata/load_report.h"

#include <utility>

namespace sim::navdata {

void LoadReport::SkipLine(const std::string& file, std::size_t line, std::string reason) {
  ++skippedLines_;
  Note(file, line, std::move(reason));
}

void LoadReport::Note(const std::string& file, std::size_t line, std::string reason) {
  ++problemCount_;
  if (firstProblems_.size() < kKeptProblems) {
    firstProblems_.push_back({file, line, std::move(reason)});
  }
}

std::string LoadReport::Summary() const {
  std::string text;
  for (const LoadProblem& problem : firstProblems_) {
    text += problem.file + ":" + std::to_string(problem.line) + ": " + problem.reason + "\n";
  }
  if (problemCount_ > firstProblems_.size()) {
    text += "... and " + std::to_string(problemCount_ - firstProblems_.size()) + " more problems\n";
  }
  return text;
}

}  // namespace sim::navdata
