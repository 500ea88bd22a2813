#pragma once
// Whole-file reading and line splitting for the text formats: CR LF and LF both end a line,
// lines may be of any length.
#include <string>
#include <string_view>
#include <vector>

// Reads the whole file; false when it is no regular file or cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

// The lines of a text, without their line ends. A last line without a line end counts too.
std::vector<std::string_view> SplitLines(std::string_view text);

// The text up to and with its last line end. What follows it is a line that a program writing the
// file has not finished, so a reader of such a file leaves it out and never reads a half-written
// number as a whole one.
std::string_view WrittenLines(std::string_view text);

// Why a whole file cannot be written under this name, taken after its symbolic links: "Is a
// directory", "Not a regular file" (a FIFO, a device, a socket: the rename would put a plain file
// in the node's place), "Permission denied" for an existing file the process may not write (the
// rename needs only the folder's permission and would take the file from its owner), or the
// system's reason when the name cannot be looked up at all. Empty when nothing stands in the way:
// no file of that name yet, or a regular file the process may write.
std::string WhyNotReplaceable(const std::string& path);

// Replaces the file's contents as a whole: the text goes to a temporary file beside it, is synced
// to the disk and then takes the file's place in one rename, so a failure at any point leaves the
// old file as it was and no temporary file of this call behind. A symbolic link keeps pointing
// where it did: its target is replaced. An existing file's permissions are kept. A name that
// WhyNotReplaceable refuses is refused before anything is written. False on any failure, with the
// system's reason in *why when asked for ("Permission denied", "No space left on device", "Is a
// directory").
bool ReplaceWholeFile(const std::string& path, std::string_view contents, std::string* why = nullptr);
