#include <unistd.h>

#include <iostream>

#include "cli/CommandLineExport.h"

int main(int argc, char** argv) {
  CommandLineExport command(std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
  return command.Run(std::vector<std::string>(argv + 1, argv + argc));
}
