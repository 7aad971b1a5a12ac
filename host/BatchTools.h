#pragma once
// The tools over many drawings (BatchTools.cpp), for the single-drawing tools to hand over to.
#include <string>
#include <vector>

// Whether `velloria update` arguments ask for more than the refresh of one drawing: several
// drawings or a folder, a list, workers, a dry run or a change report.
bool WantsUpdateMany(const std::vector<std::string>& args);
int RunUpdateMany(const std::vector<std::string>& args);

// Whether `velloria links` arguments ask for the check.
bool WantsLinkCheck(const std::vector<std::string>& args);
int RunLinkCheck(const std::vector<std::string>& args);
