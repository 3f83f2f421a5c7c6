#pragma once

#include <sys/types.h>

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/descriptor_buffer.h"
#include "common/file_status.h"
#include "common/tool_error.h"

// What a run's outputs must never replace: its inputs, and its other
// outputs. Each write checks the file it is about to replace at that very
// moment, so that no name changed during the run (a link swapped in, a file
// renamed) can make a tool write over them. Files are known by device and
// inode: the inputs and outputs as they were when the run began, and each
// output once it is written; a file that other hands write (a database that
// SQLite keeps) is watched by name. One write at a time.
class OutputGuard {
 public:
  using Identity = FileIdentity;

  OutputGuard() = default;
  OutputGuard(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs);

  // A file that the run writes other than through OutputFile, looked up by
  // name at every check, since it may come to be only during the run.
  void watch(std::string name) { watched_.push_back(std::move(name)); }

  // Throws ToolError when the file `replaced`, which writing `output` would
  // replace, is an input or another output.
  void refuseToReplace(const std::string& output, Identity replaced) const;
  // The file that `output` is now, once written.
  void written(const std::string& output, Identity file) { outputs_[file] = output; }

 private:
  std::map<Identity, std::string> inputs_;
  std::map<Identity, std::string> outputs_;
  std::vector<std::string> watched_;
};

// The one rule for the outputs of a run, checked before anything is written:
// no output is one of the run's `inputs` (sameFile, the evaluator's rule: the
// same device and inode, so links count), no two outputs are one file (the
// same file, or the same place where a new one would be created), and the
// name of an output still to be created fits the file system. "-" is standard
// input or output and clashes with nothing. Throws ToolError. Returns the
// guard that every write of the run then checks again.
OutputGuard refuseOutputClashes(const std::vector<std::string>& inputs,
                                const std::vector<std::string>& outputs);

// An output of a tool, whole or absent. Its name is resolved by the kernel
// (the folder opened, the last name followed through symbolic links relative
// to it), never as text. A regular file (also through a symbolic link) or a
// path still free is written as a new file beside it, with the old one's
// mode, owner and group where the process may set them, and renamed into
// place by `commit`, so a reader sees the old file or the new one, never a
// part; a file that is gone on failure was never there. A file with other
// hard links is written in place, and left empty when the write fails; a
// device or a pipe is written in place; "-", /dev/stdout, /dev/stderr,
// /dev/fd/N and /proc/self/fd/N are this process's own descriptors, written
// where they stand (so an appending caller keeps what it had). Throws
// ToolError when it cannot be opened or the guard refuses it.
class OutputFile {
 public:
  OutputFile(std::string name, OutputGuard& guard);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  std::ostream& stream();
  // Flushes, closes and puts the file in place. Throws ToolError when any of
  // it failed; a file written beside is then removed.
  void commit();

 private:
  void open();

  std::string name_;
  OutputGuard& guard_;
  int folder_ = -1;              // the folder the file ends up in
  std::string placed_;           // its name there: the link's target for a link
  std::string temporary_;        // in that folder; empty when written in place
  int descriptor_ = -1;          // the one the buffer writes to
  bool emptyOnFailure_ = false;  // a file written in place
  DescriptorBuffer buffer_;
  std::ostream file_{&buffer_};
};

// Writes `bytes` to the named output so. Throws ToolError.
void writeOutputFile(const std::string& name, std::string_view bytes, OutputGuard& guard);
