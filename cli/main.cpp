// dorvanta-cli: the command-line companion over the same core as the window.
#include "Catalogue.h"
#include "Text1252.h"

#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
    if (argc >= 2 && std::string_view(argv[1]) == "--help") {
        std::cout << "usage: dorvanta-cli COMMAND [OPTIONS]\n";
        return 0;
    }
    for (const auto& record : dorvanta::BuiltInCatalogue()) {
        std::cout << dorvanta::Windows1252ToUtf8(record.PartNumber.view()) << "\n";
    }
    return 0;
}
