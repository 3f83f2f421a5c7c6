#include <cstring>

#include "evaluate.h"

int main(int argc, char** argv) {
  if (argc <= 1 || std::strcmp(argv[1], "eval") != 0) {
    printUsage();
    return 0;
  }
  return evaluate(argc, argv);
}
