// verbres_writer <input.txt> <output.bin>
//
// Build-time tool: reads the verb table text and writes the scrambled
// verb-table resource. Nothing is written unless the whole table is valid;
// on a problem it names the file and line, removes any old output and exits 1.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tools/verbres/VerbResEncoder.h"

namespace {

const char kTool[] = "verbres_writer";

int Fail(const std::string& output, const std::string& message) {
    std::cerr << kTool << ": " << message << "\n";
    if (!output.empty()) std::remove(output.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << kTool << " <input.txt> <output.bin>\n";
        return 1;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];

    std::ifstream in(input, std::ios::binary);
    if (!in) return Fail(output, input + ": cannot open the file for reading");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Fail(output, input + ": read error");

    const VerbResource::EncodeResult result = VerbResource::EncodeVerbTable(text);
    if (!result.ok) return Fail(output, input + ":" + std::to_string(result.line) + ": " + result.problem);

    {
        std::ofstream out(output, std::ios::binary | std::ios::trunc);
        if (!out) return Fail(output, output + ": cannot open the file for writing");
        out.write(reinterpret_cast<const char*>(result.bytes.data()),
                  static_cast<std::streamsize>(result.bytes.size()));
        out.close();
        if (!out) return Fail(output, output + ": write error");
    }

    std::cout << kTool << ": " << result.records << " verbs, " << result.bytes.size() << " bytes -> "
              << output << "\n";
    return 0;
}
