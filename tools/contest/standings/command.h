#pragma once

#include <string>
#include <vector>

// barvotok-contest standings ...: the arguments after "standings". Returns the exit status.
int runStandingsCommand(const std::vector<std::string>& arguments);
