// Settings files for the profile tests, written and read byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace profile_test {

// A path in the test folder for the file `name`; no file is left there.
std::string FreshPath(std::string_view name);

void WriteBytes(const std::string& path, std::string_view bytes);

// The file's bytes, or nothing if there is no file.
std::optional<std::string> ReadBytes(const std::string& path);

}  // namespace profile_test
