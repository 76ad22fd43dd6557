#pragma once

#include <string>

// True when the path names an existing folder (a link to one counts).
bool DirectoryExists(const std::string& dir);

// Creates dir together with every missing parent folder. True when the folder
// exists afterwards; otherwise false, and error (when given) says which folder
// could not be made and why.
bool ForceDirectories(const std::string& dir, std::string* error = nullptr);

// True when a file can be created in dir: a temporary file is made and removed
// again, so a read-only mount and missing rights count alike (the permission
// bits alone would let the superuser through).
bool IsDirectoryWritable(const std::string& dir);
