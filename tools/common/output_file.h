#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/descriptor_buffer.h"
#include "common/file_error.h"

// The one rule for the outputs of a run, checked before anything is written:
// no output is one of the run's `inputs` (sameFile, the evaluator's rule: the
// same device and inode, so links count), no two outputs are one file (the
// same file, or the same place where a new one would be created), and the
// name of an output still to be created fits the file system. "-" is standard
// input or output and clashes with nothing. Throws FileError.
void refuseOutputClashes(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs);

// An output of a tool, whole or absent. A regular file (also through a
// symbolic link) or a path still free is written as a new file beside it,
// renamed into place by `commit`, so a reader sees the old file or the new
// one, never a part; a file that is gone on failure was never there. A
// device, a pipe or a file with other hard links is written in place, and
// "-" is standard output. Throws FileError when it cannot be opened.
class OutputFile {
 public:
  explicit OutputFile(std::string name);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::ostream& stream();
  // Flushes, closes and puts the file in place. Throws FileError when any of
  // it failed; a file written beside is then removed.
  void commit();

 private:
  std::string name_;
  std::string target_;     // where the file ends up: the link's target for a link
  std::string temporary_;  // empty when written in place
  DescriptorBuffer buffer_;
  std::ostream file_{&buffer_};
};

// Writes `bytes` to the named output so. Throws FileError.
void writeOutputFile(const std::string& name, std::string_view bytes);
