#pragma once

namespace corvane {

// How a read or a replace of a file went. Every status but Done leaves the
// file on disk exactly as it was.
enum class FileStatus {
    Done,        // read or written as asked
    Missing,     // read: nothing exists at the path
    NotAFile,    // a folder, pipe, device or socket: never opened, never written
    Unreadable,  // read: it exists but cannot be opened or read
    TooLarge,    // read: longer than the caller takes; nothing of it was read
    ReadOnly,    // write: the system does not let this user write the file
    NoTemporary, // write: no temporary file could be made beside the file
    WriteFailed, // write: the bytes could not be written or put in place (disk full, I/O error)
};

} // namespace corvane
