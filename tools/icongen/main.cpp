// icongen --ico|--cur OUTPUT SOURCE...
// icongen --icon-image OUTPUT SOURCE
// icongen --icon-group OUTPUT FIRST_IMAGE_ID SOURCE...
//
// Reads one picture per SOURCE and writes them, in order, into one icon or
// cursor file, or writes the raw icon image / icon group directory resource
// that a .rc includes by number.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "IconGen.h"

namespace {

int usage() {
    std::cerr << "usage: icongen --ico|--cur OUTPUT SOURCE...\n"
                 "       icongen --icon-image OUTPUT SOURCE\n"
                 "       icongen --icon-group OUTPUT FIRST_IMAGE_ID SOURCE...\n";
    return 2;
}

bool readPictures(char** first, char** last, std::vector<icongen::Picture>& pictures) {
    for (char** name = first; name != last; ++name) {
        std::ifstream in(*name, std::ios::binary);
        if (!in) {
            std::cerr << *name << ": cannot open\n";
            return false;
        }
        std::ostringstream text;
        text << in.rdbuf();
        icongen::ParseResult parsed = icongen::parsePicture(text.str());
        if (!parsed.ok) {
            std::cerr << *name << ": " << parsed.error << "\n";
            return false;
        }
        pictures.push_back(std::move(parsed.picture));
    }
    return true;
}

// Writes next to the target first so a failure never leaves half a file.
int writeResult(const std::string& output, const icongen::EncodeResult& encoded) {
    if (!encoded.ok) {
        std::cerr << output << ": " << encoded.error << "\n";
        return 1;
    }
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

bool parseId(const std::string& text, unsigned& id) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), id);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        return usage();
    }
    const std::string mode = argv[1];
    const std::string output = argv[2];
    std::vector<icongen::Picture> pictures;

    if (mode == "--ico" || mode == "--cur") {
        if (!readPictures(argv + 3, argv + argc, pictures)) {
            return 1;
        }
        const auto kind = mode == "--ico" ? icongen::FileKind::Icon : icongen::FileKind::Cursor;
        return writeResult(output, icongen::encode(pictures, kind));
    }
    if (mode == "--icon-image" && argc == 4) {
        if (!readPictures(argv + 3, argv + argc, pictures)) {
            return 1;
        }
        return writeResult(output, icongen::encodeIconImage(pictures[0]));
    }
    unsigned firstId = 0;
    if (mode == "--icon-group" && argc >= 5 && parseId(argv[3], firstId)) {
        if (!readPictures(argv + 4, argv + argc, pictures)) {
            return 1;
        }
        return writeResult(output, icongen::encodeIconGroup(pictures, firstId));
    }
    return usage();
}
