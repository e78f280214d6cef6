#pragma once

#include <optional>
#include <string>
#include <string_view>

// File-system utilities. Paths may use '\' or '/' as separators; both are accepted.

// True when a search for the path finds a file or folder; '*' and '?' in the last components
// are honoured as wildcards.
bool FileExists(const std::string& path);

// Creates the folder and every missing level above it. True when the folder exists afterwards.
bool MakeDirectoryPath(const std::string& path);

// Deletes a file, or a folder with everything in it, also read-only files and folders.
// Symbolic links are removed, never followed. False when nothing was at the path or something
// could not be removed.
bool DeleteDirectoryTree(const std::string& path);

// Whole file contents, or nothing when the file cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's contents through a temporary file ("<path>.tmp<process id>"), fsync and a
// rename, so that a crash or a full disk leaves either the old or the new contents, never a
// half-written file. On failure `error`, when given, says which step failed and why.
bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error = nullptr);
// The same replacement for a file of the scratch folder, which is thrown away with the session:
// readers still never see half a file, but nothing waits for the disk.
bool WriteScratchFile(const std::string& path, std::string_view contents, std::string* error = nullptr);

// Deletes the temporary files that writers killed in the middle of WriteFileAtomically left in
// the folder (those of processes still running are kept). Returns how many were deleted.
int RemoveLeftoverTemporaryFiles(const std::string& folder);

// Backslashes turned into slashes.
std::string ToSlashes(std::string_view path);

// Time-based unique id "YYYYMMDDhmmss" + six-digit counter, as used for new users.
std::string MakeTimeId();
