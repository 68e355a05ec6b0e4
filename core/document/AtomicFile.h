#pragma once
#include <string>

// How replacing a file ended.
enum class AtomicWriteResult {
    Written,
    CannotCreate,  // no temporary file could be made beside the target
    WriteFailed,   // writing, flushing or renaming failed; the old file is untouched
};

// Writes the text to a temporary file in the target's directory, flushes it to
// the disk and only then renames it over the target. On any failure the
// temporary file is removed and the target keeps its old content.
AtomicWriteResult WriteFileAtomically(const std::string& path, const std::string& text);
