#pragma once

// The command line "eval input submission report": evaluates and writes the
// report file. Returns the process's exit status.
int evaluate(int argc, char** argv);

// Prints the usage text to standard output.
void printUsage();
