// One JSON object on one line, for programs that read the bench's output.
#pragma once

#include <string>
#include <string_view>

namespace bench {

class JsonLine {
 public:
  JsonLine& Text(std::string_view key, std::string_view utf8);
  JsonLine& Integer(std::string_view key, long long value);
  // `decimals` digits after the point; a non-finite number is written null.
  JsonLine& Number(std::string_view key, double value, int decimals);
  JsonLine& Null(std::string_view key);
  // The object and a newline.
  std::string Line() const { return "{" + members_ + "}\n"; }

 private:
  void Key(std::string_view key);
  std::string members_;
};

// The text as a JSON string literal, quotes included.
std::string JsonString(std::string_view utf8);

}  // namespace bench
