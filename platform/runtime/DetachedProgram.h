#pragma once
// Finding a desktop program and starting it detached, as the shell's opener and the help
// viewer are started: never through a shell, in a grandchild that outlives nothing of ours.
#include <string>

namespace platform {

// The path of an executable: `name` itself when it holds a slash, else the first match on
// PATH; empty when there is none.
std::string FindProgram(const std::string& name);

// Starts program with one argument; false when it could not be forked.
bool StartDetached(const std::string& program, const std::string& argument, const std::string& directory = {});

}  // namespace platform
