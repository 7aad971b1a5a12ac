#pragma once
// Files that come with the program and lie beside it (the libraries it loads on demand).
#include <string>

// The path of the file named `file` in the folder of the running program.
std::string BesideProgram(const char* file);
