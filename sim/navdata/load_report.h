#pragma once

// What a load skipped or doubted: every bad line is counted, and the first few
// problems are kept with file name and line number so that a user can find
// and mend them.

#include <cstddef>
#include <string>
#include <vector>

namespace sim::navdata {

struct LoadProblem {
  std::string file;
  std::size_t line = 0;
  std::string reason;
};

class LoadReport {
 public:
  static constexpr std::size_t kKeptProblems = 8;

  // A line that was not used because it is malformed.
  void SkipLine(const std::string& file, std::size_t line, std::string reason);
  // A doubt about the file that loses no line, such as a missing end row.
  void Note(const std::string& file, std::size_t line, std::string reason);

  std::size_t SkippedLines() const { return skippedLines_; }
  std::size_t ProblemCount() const { return problemCount_; }
  const std::vector<LoadProblem>& FirstProblems() const { return firstProblems_; }
  // One "file:line: reason" line per kept problem, then how many more there
  // were; empty when the load was clean.
  std::string Summary() const;

 private:
  std::size_t skippedLines_ = 0;
  std::size_t problemCount_ = 0;
  std::vector<LoadProblem> firstProblems_;
};

}  // namespace sim::navdata
