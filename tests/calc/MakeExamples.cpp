// Writes the example beams of ExampleModels.h into a folder:
//   kmrcalc_make_examples DIR
#include <iostream>

#include "ExampleModels.h"
#include "model/DataFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kmrcalc_make_examples DIR\n";
        return 2;
    }
    for (const kmr::test::Example& e : kmr::test::AllExamples()) {
        const std::string path = std::string(argv[1]) + "/" + e.file;
        kmr::WriteDataFile(path, e.model);
        std::cout << path << "\n";
    }
    return 0;
}
