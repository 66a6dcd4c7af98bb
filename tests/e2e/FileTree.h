#pragma once
#include <string>

// Files and folders the tests make and clean up again.
bool Exists(const std::string& path);
// Deletes path and everything below it, read-only files included.
void RemoveTree(const std::string& path);
