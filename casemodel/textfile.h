#pragma once
// Whole-file reading and line splitting for the text formats: CR LF and LF both end a line,
// lines may be of any length.
#include <string>
#include <string_view>
#include <vector>

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

// The lines of a text, without their line ends. A last line without a line end counts too.
std::vector<std::string_view> SplitLines(std::string_view text);
