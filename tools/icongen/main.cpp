// icongen --ico|--cur OUTPUT SOURCE...
//
// Reads one picture per SOURCE and writes them, in order, into one icon or
// cursor file.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "IconGen.h"

namespace {

int usage() {
    std::cerr << "usage: icongen --ico|--cur OUTPUT SOURCE...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return usage();
    }
    const std::string mode = argv[1];
    icongen::FileKind kind;
    if (mode == "--ico") {
        kind = icongen::FileKind::Icon;
    } else if (mode == "--cur") {
        kind = icongen::FileKind::Cursor;
    } else {
        return usage();
    }
    const std::string output = argv[2];

    std::vector<icongen::Picture> pictures;
    for (int n = 3; n < argc; ++n) {
        std::ifstream in(argv[n], std::ios::binary);
        if (!in) {
            std::cerr << argv[n] << ": cannot open\n";
            return 1;
        }
        std::ostringstream text;
        text << in.rdbuf();
        icongen::ParseResult parsed = icongen::parsePicture(text.str());
        if (!parsed.ok) {
            std::cerr << argv[n] << ": " << parsed.error << "\n";
            return 1;
        }
        pictures.push_back(std::move(parsed.picture));
    }

    icongen::EncodeResult encoded = icongen::encode(pictures, kind);
    if (!encoded.ok) {
        std::cerr << output << ": " << encoded.error << "\n";
        return 1;
    }

    // Write next to the target first so a failure never leaves half a file.
    const std::string temp = output + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(encoded.bytes.data()),
                  static_cast<std::streamsize>(encoded.bytes.size()));
        if (!out) {
            std::cerr << temp << ": cannot write\n";
            std::remove(temp.c_str());
            return 1;
        }
    }
    std::remove(output.c_str());
    if (std::rename(temp.c_str(), output.c_str()) != 0) {
        std::cerr << output << ": cannot replace\n";
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
