#include <csignal>
#include <cstring>

#include "eval_command.h"

int main(int argc, char** argv) {
  // A file-size limit then fails the report's write, which leaves it empty
  // and exits 1, instead of killing the evaluator with a part of a report.
  // Windows has neither the limit nor the signal.
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  if (argc <= 1 || std::strcmp(argv[1], "eval") != 0) {
    printUsage();
    return 0;
  }
  return evaluate(argc, argv);
}
