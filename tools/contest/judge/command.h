#pragma once

#include <string>
#include <vector>

// barvotok-contest judge ...: the arguments after "judge". Returns the exit status.
int runJudgeCommand(const std::vector<std::string>& arguments);
