#pragma once
#include <string>

// Creates an empty file named "Quillora…" in the user's temporary directory
// ($TMPDIR, or /tmp when unset) and gives its path; the file is left for the
// system to clean up. Gives an empty path when no such file can be made.
std::string CreateDownloadTarget();

// Fetches the address synchronously into the file at `target` (or discards the
// answer when `target` is empty). Gives whether the transfer succeeded; callers
// that only report events may ignore it. Never waits longer than a few seconds.
bool DownloadToFile(const std::string& url, const std::string& target);
