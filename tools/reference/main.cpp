// Writes the reference manual, or with --check says which pages are out of
// date and fails.
//   reference_manual [--check] <brixeldemo.idl> <docs/reference>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "reference.h"

int main(int argc, char** argv) {
    using namespace brixel::reference;
    int arg = 1;
    const bool check = argc > 1 && std::string(argv[1]) == "--check";
    if (check) ++arg;
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: reference_manual [--check] <brixeldemo.idl> <docs/reference>\n");
        return 2;
    }
    std::ifstream in(argv[arg], std::ios::binary);
    std::stringstream idl;
    idl << in.rdbuf();
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[arg]);
        return 2;
    }
    std::vector<std::string> errors;
    const IdlFacts facts = ReadIdl(idl.str(), "_DBrixelDemoEvents", errors);
    const std::vector<Page> pages = GeneratePages(facts, {MemberNotes(), EventNotes()}, errors);
    for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
    if (!errors.empty()) return 1;

    const std::string directory = argv[arg + 1];
    if (check) {
        const auto stale = StalePages(pages, directory);
        for (const std::string& page : stale) {
            std::fprintf(stderr, "%s/%s is out of date: run `make reference` and commit the result\n",
                         directory.c_str(), page.c_str());
        }
        return stale.empty() ? 0 : 1;
    }
    std::filesystem::create_directories(directory);
    for (const Page& page : pages) {
        std::ofstream out(std::filesystem::path(directory) / page.file, std::ios::binary);
        out << page.text;
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", page.file.c_str());
            return 1;
        }
    }
    std::printf("wrote %zu pages to %s\n", pages.size(), directory.c_str());
    return 0;
}
