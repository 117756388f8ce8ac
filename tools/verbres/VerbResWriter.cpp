// verbres_writer <input.txt> <output.bin> [<also.txt> <also.bin>]
//
// Build-time tool: reads the verb table text and writes the scrambled
// verb-table resource, and with the second pair the resource of the forms a
// test also accepts (checked against the table). Nothing is written unless
// every input is valid; on a problem it names the file and line, removes any
// old output and exits 1.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/verbres/VerbResEncoder.h"

namespace {

const char kTool[] = "verbres_writer";

std::vector<std::string> gOutputs;

int Fail(const std::string& message) {
    std::cerr << kTool << ": " << message << "\n";
    for (const std::string& output : gOutputs) std::remove(output.c_str());
    return 1;
}

bool ReadText(const std::string& input, std::string& text) {
    std::ifstream in(input, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteBytes(const std::string& output, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) {
        std::cerr << "usage: " << kTool << " <input.txt> <output.bin> [<also.txt> <also.bin>]\n";
        return 1;
    }
    const std::string input = argv[1];
    const std::string output = argv[2];
    const std::string alsoInput = argc == 5 ? argv[3] : "";
    const std::string alsoOutput = argc == 5 ? argv[4] : "";
    gOutputs = {output};
    if (argc == 5) gOutputs.push_back(alsoOutput);

    std::string text;
    if (!ReadText(input, text)) return Fail(input + ": cannot read the file");
    const VerbResource::EncodeResult result = VerbResource::EncodeVerbTable(text);
    if (!result.ok) return Fail(input + ":" + std::to_string(result.line) + ": " + result.problem);

    VerbResource::EncodeResult also;
    if (argc == 5) {
        std::string alsoText;
        if (!ReadText(alsoInput, alsoText)) return Fail(alsoInput + ": cannot read the file");
        also = VerbResource::EncodeAlsoAccepted(alsoText, result);
        if (!also.ok) return Fail(alsoInput + ":" + std::to_string(also.line) + ": " + also.problem);
    }

    if (!WriteBytes(output, result.bytes)) return Fail(output + ": cannot write the file");
    std::cout << kTool << ": " << result.records << " verbs, " << result.bytes.size() << " bytes -> "
              << output << "\n";
    if (argc == 5) {
        if (!WriteBytes(alsoOutput, also.bytes)) return Fail(alsoOutput + ": cannot write the file");
        std::cout << kTool << ": " << also.records << " verbs with forms also accepted, " << also.bytes.size()
                  << " bytes -> " << alsoOutput << "\n";
    }
    return 0;
}
