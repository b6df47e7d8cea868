#pragma once

// Files for the navigation data tests: the bundled extract, and scratch files
// written by the tests themselves.

#include <filesystem>
#include <string>
#include <string_view>

namespace navdata_test {

std::filesystem::path BundledApt();
std::filesystem::path BundledNav();

// A fresh path in the scratch folder (which is created on first use).
std::filesystem::path ScratchPath(std::string_view name);

std::filesystem::path WritePlain(std::string_view name, std::string_view content);
std::filesystem::path WriteGzip(std::string_view name, std::string_view content);
std::string GzipBytes(std::string_view content);
std::string ReadBytes(const std::filesystem::path& path);
std::filesystem::path WriteBytes(std::string_view name, std::string_view bytes);

// An apt.dat or nav.dat text: the two header lines, `rows`, the 99 end row.
std::string AptText(std::string_view rows, int version = 1000);
std::string NavText(std::string_view rows, int version = 810);

}  // namespace navdata_test
