#pragma once

#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The files one run reads, opened for reading; throws VisualiseError
// "cannot open FILE: reason" when one cannot be.
std::unique_ptr<std::istream> openForReading(const std::string& name);

// Throws VisualiseError when an output names one of the inputs (the same
// device and inode, so links count too) or the other output, before
// anything is written. An output that does not exist yet clashes with nothing.
void refuseClashes(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs);

// Writes `bytes` to the named file (standard output for "-") with plain
// writing: created or emptied, never removed or replaced, so that a device
// or a link stays what it was even when writing fails. Prints the failure
// and returns false, as the other tools' outputs do.
bool writeOutput(std::string_view tool, const std::string& name, std::string_view bytes);
