// dorvanta-cli: the command-line companion over the same core as the window.
#include "CommandLine.h"
#include "ProgramDirectory.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> words(argv + 1, argv + argc);
    const auto programDirectory = dorvanta::cli::ProgramDirectory(argc > 0 ? argv[0] : "");
    return dorvanta::cli::RunCommandLine(programDirectory, words, std::cout, std::cerr);
}
