// dorvanta-cli: the command-line companion over the same core as the window.
#include "cli/CommandLine.h"
#include "platform/System.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto programDirectory = dorvanta::platform::ProgramDirectory(argc > 0 ? argv[0] : "");
    return dorvanta::cli::RunCommandLine(programDirectory, std::move(words), std::cout, std::cerr);
}
