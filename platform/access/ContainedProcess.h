#pragma once
// Work that may crash or loop for ever, run in a forked child process. The child writes its
// results to a pipe; the parent collects them. A child that stays silent for the time limit
// is killed.
#include <chrono>
#include <functional>
#include <string>

#include "access/Wire.h"

namespace platform {

enum class ContainedResult { Ok, Failed, Killed, Stopped };

// Runs body in a child; its return value is the child's exit status (0 for success). The
// child's standard output and error go to /dev/null. stop, when given, is asked a few times a
// second while the child works: true kills the child (Stopped).
ContainedResult RunContained(const std::function<int(wire::Writer&)>& body, std::chrono::milliseconds silenceLimit, std::string& output,
                             int& exitStatus, const std::function<bool()>& stop = {});

}  // namespace platform
