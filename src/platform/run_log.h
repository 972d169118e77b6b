#pragma once
// The run log: "Run.log" in the working folder, one text per line. Every call
// opens, writes and closes the file so that a crash loses nothing. A log that
// cannot be opened is skipped silently: logging never fails its caller.
#include <string>

// Empties Run.log and writes the first line of a run.
void StartLog(const std::string& text);
// Adds a line. A text containing line breaks makes further lines.
void AppendLog(const std::string& text);
