// Scratch folders of the Windows tests.
#pragma once

#include <string>

// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::string& path);
