#include "IconGen.h"

#include <array>
#include <charconv>
#include <cstddef>

namespace icongen {
namespace {

struct NamedColour {
    std::string_view name;
    int index;
    std::uint8_t r, g, b;
};

// The classic 16-colour palette, in palette order, plus the spellings people
// tend to type anyway.
constexpr std::array<NamedColour, 19> kColours = {{
    {"black", 0, 0x00, 0x00, 0x00}, {"maroon", 1, 0x80, 0x00, 0x00},
    {"green", 2, 0x00, 0x80, 0x00}, {"olive", 3, 0x80, 0x80, 0x00},
    {"navy", 4, 0x00, 0x00, 0x80},  {"purple", 5, 0x80, 0x00, 0x80},
    {"teal", 6, 0x00, 0x80, 0x80},  {"silver", 7, 0xC0, 0xC0, 0xC0},
    {"grey", 8, 0x80, 0x80, 0x80},  {"red", 9, 0xFF, 0x00, 0x00},
    {"lime", 10, 0x00, 0xFF, 0x00}, {"yellow", 11, 0xFF, 0xFF, 0x00},
    {"blue", 12, 0x00, 0x00, 0xFF}, {"magenta", 13, 0xFF, 0x00, 0xFF},
    {"cyan", 14, 0x00, 0xFF, 0xFF}, {"white", 15, 0xFF, 0xFF, 0xFF},
    {"gray", 8, 0x80, 0x80, 0x80},  {"fuchsia", 13, 0xFF, 0x00, 0xFF},
    {"aqua", 14, 0x00, 0xFF, 0xFF},
}};

constexpr int kMaxSide = 256;  // the directory stores sides in one byte, 0 meaning 256

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    return s;
}

// Splits on runs of blanks.
std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    s = trim(s);
    while (!s.empty()) {
        std::size_t end = s.find_first_of(" \t");
        if (end == std::string_view::npos) {
            out.push_back(s);
            break;
        }
        out.push_back(s.substr(0, end));
        s = trim(s.substr(end));
    }
    return out;
}

bool toInt(std::string_view s, int& value) {
    if (s.empty()) {
        return false;
    }
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && ptr == s.data() + s.size();
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::size_t xorStride(int width) {
    return static_cast<std::size_t>((width * 4 + 31) / 32) * 4;
}
std::size_t andStride(int width) {
    return static_cast<std::size_t>((width + 31) / 32) * 4;
}

std::size_t imageSize(const Picture& p) {
    const std::size_t h = static_cast<std::size_t>(p.height);
    return 40 + kPaletteSize * 4 + (xorStride(p.width) + andStride(p.width)) * h;
}

// BITMAPINFOHEADER, palette, colour rows, mask rows; both bottom-up.
void appendImage(std::vector<std::uint8_t>& out, const Picture& p) {
    const std::size_t xs = xorStride(p.width);
    const std::size_t as = andStride(p.width);
    const std::size_t h = static_cast<std::size_t>(p.height);

    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(p.width));
    put32(out, static_cast<std::uint32_t>(p.height * 2));  // colour bits plus mask
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);  // BI_RGB
    put32(out, static_cast<std::uint32_t>((xs + as) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    for (int i = 0; i < kPaletteSize; ++i) {
        std::uint8_t r, g, b;
        paletteColour(i, r, g, b);
        out.push_back(b);
        out.push_back(g);
        out.push_back(r);
        out.push_back(0);
    }

    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(xs, 0);
        for (int x = 0; x < p.width; ++x) {
            std::uint8_t v = p.at(x, y);
            // Black under a set mask bit leaves the screen untouched.
            std::uint8_t nibble = v == kTransparent ? 0 : v;
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(x % 2 == 0 ? nibble << 4 : nibble);
        }
        out.insert(out.end(), row.begin(), row.end());
    }

    for (int y = p.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(as, 0);
        for (int x = 0; x < p.width; ++x) {
            if (p.at(x, y) == kTransparent) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

// Empty when every picture can be written as `kind`, else what is wrong.
std::string checkPictures(const std::vector<Picture>& pictures, FileKind kind) {
    if (pictures.empty()) {
        return "nothing to write";
    }
    if (pictures.size() > 0xFFFF) {
        return "too many pictures";
    }
    for (std::size_t n = 0; n < pictures.size(); ++n) {
        const Picture& p = pictures[n];
        const std::string which = "picture " + std::to_string(n + 1) + ": ";
        if (p.width < 1 || p.width > kMaxSide || p.height < 1 || p.height > kMaxSide ||
            p.pixels.size() != static_cast<std::size_t>(p.width) * p.height) {
            return which + "bad dimensions";
        }
        for (std::uint8_t v : p.pixels) {
            if (v >= kPaletteSize && v != kTransparent) {
                return which + "pixel outside the palette";
            }
        }
        if (kind == FileKind::Cursor && !p.hasHotspot) {
            return which + "a cursor needs a hotspot";
        }
    }
    return {};
}

// The part of a directory entry that .ico/.cur files and icon group
// resources share: sides, colours, planes and bits (or hot spot), size.
void appendEntryHead(std::vector<std::uint8_t>& out, const Picture& p, FileKind kind) {
    out.push_back(static_cast<std::uint8_t>(p.width & 0xFF));  // 256 wraps to 0
    out.push_back(static_cast<std::uint8_t>(p.height & 0xFF));
    out.push_back(kPaletteSize);
    out.push_back(0);
    if (kind == FileKind::Icon) {
        put16(out, 1);  // planes
        put16(out, 4);  // bits per pixel
    } else {
        put16(out, static_cast<unsigned>(p.hotspotX));
        put16(out, static_cast<unsigned>(p.hotspotY));
    }
    put32(out, static_cast<std::uint32_t>(imageSize(p)));
}

ParseResult fail(std::size_t lineNo, const std::string& what) {
    ParseResult r;
    r.error = "line " + std::to_string(lineNo) + ": " + what;
    return r;
}

}  // namespace

int colourIndex(std::string_view name) {
    if (name == "transparent") {
        return kTransparent;
    }
    for (const NamedColour& c : kColours) {
        if (c.name == name) {
            return c.index;
        }
    }
    return -1;
}

void paletteColour(int index, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b) {
    const NamedColour& c = kColours[static_cast<std::size_t>(index & 15)];
    r = c.r;
    g = c.g;
    b = c.b;
}

ParseResult parsePicture(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);  // sources checked out with CRLF endings
        }
        lines.push_back(line);
        if (nl == std::string_view::npos) {
            break;
        }
        text.remove_prefix(nl + 1);
    }

    Picture pic;
    bool haveSize = false;
    std::array<int, 256> legend;
    legend.fill(-1);

    std::size_t i = 0;
    bool inPixels = false;
    for (; i < lines.size(); ++i) {
        std::string_view line = trim(lines[i]);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::vector<std::string_view> w = words(line);
        if (w[0] == "size") {
            if (haveSize) {
                return fail(i + 1, "size given twice");
            }
            if (w.size() != 3 || !toInt(w[1], pic.width) || !toInt(w[2], pic.height)) {
                return fail(i + 1, "expected: size WIDTH HEIGHT");
            }
            if (pic.width < 1 || pic.width > kMaxSide || pic.height < 1 || pic.height > kMaxSide) {
                return fail(i + 1, "sides must be between 1 and 256");
            }
            haveSize = true;
        } else if (w[0] == "hotspot") {
            if (pic.hasHotspot) {
                return fail(i + 1, "hotspot given twice");
            }
            if (w.size() != 3 || !toInt(w[1], pic.hotspotX) || !toInt(w[2], pic.hotspotY)) {
                return fail(i + 1, "expected: hotspot X Y");
            }
            pic.hasHotspot = true;
        } else if (w[0] == "legend") {
            if (w.size() != 3 || w[1].size() != 1) {
                return fail(i + 1, "expected: legend CHARACTER COLOUR");
            }
            unsigned char ch = static_cast<unsigned char>(w[1][0]);
            if (ch < 0x21 || ch > 0x7E) {
                return fail(i + 1, "legend characters must be printable ASCII");
            }
            if (legend[ch] != -1) {
                return fail(i + 1, std::string("character '") + w[1][0] + "' defined twice");
            }
            int index = colourIndex(w[2]);
            if (index < 0) {
                return fail(i + 1, "unknown colour '" + std::string(w[2]) + "'");
            }
            legend[ch] = index;
        } else if (w[0] == "pixels" && w.size() == 1) {
            inPixels = true;
            ++i;
            break;
        } else {
            return fail(i + 1, "unknown directive '" + std::string(w[0]) + "'");
        }
    }

    if (!inPixels) {
        return fail(lines.size(), "no 'pixels' section");
    }
    if (!haveSize) {
        return fail(i, "'pixels' before 'size'");
    }
    if (pic.hasHotspot && (pic.hotspotX < 0 || pic.hotspotX >= pic.width || pic.hotspotY < 0 ||
                           pic.hotspotY >= pic.height)) {
        return fail(i, "hotspot lies outside the picture");
    }

    pic.pixels.reserve(static_cast<std::size_t>(pic.width) * pic.height);
    for (int y = 0; y < pic.height; ++y, ++i) {
        if (i >= lines.size()) {
            return fail(lines.size(), "expected " + std::to_string(pic.height) +
                                          " rows of pixels, found " + std::to_string(y));
        }
        std::string_view row = lines[i];
        if (row.size() != static_cast<std::size_t>(pic.width)) {
            return fail(i + 1, "row is " + std::to_string(row.size()) + " characters, expected " +
                                   std::to_string(pic.width));
        }
        for (std::size_t x = 0; x < row.size(); ++x) {
            int v = legend[static_cast<unsigned char>(row[x])];
            if (v < 0) {
                return fail(i + 1, std::string("character '") + row[x] + "' at column " +
                                       std::to_string(x + 1) + " is not in the legend");
            }
            pic.pixels.push_back(static_cast<std::uint8_t>(v));
        }
    }
    for (; i < lines.size(); ++i) {
        if (!trim(lines[i]).empty()) {
            return fail(i + 1, "text after the last row of pixels");
        }
    }

    ParseResult r;
    r.ok = true;
    r.picture = std::move(pic);
    return r;
}

EncodeResult encode(const std::vector<Picture>& pictures, FileKind kind) {
    EncodeResult r;
    r.error = checkPictures(pictures, kind);
    if (!r.error.empty()) {
        return r;
    }

    std::vector<std::uint8_t>& out = r.bytes;
    put16(out, 0);
    put16(out, kind == FileKind::Icon ? 1 : 2);
    put16(out, static_cast<unsigned>(pictures.size()));

    std::size_t offset = 6 + 16 * pictures.size();
    for (const Picture& p : pictures) {
        appendEntryHead(out, p, kind);
        put32(out, static_cast<std::uint32_t>(offset));
        offset += imageSize(p);
    }
    for (const Picture& p : pictures) {
        appendImage(out, p);
    }
    r.ok = true;
    return r;
}

EncodeResult encodeIconImage(const Picture& picture) {
    EncodeResult r;
    r.error = checkPictures({picture}, FileKind::Icon);
    if (r.error.empty()) {
        appendImage(r.bytes, picture);
        r.ok = true;
    }
    return r;
}

EncodeResult encodeIconGroup(const std::vector<Picture>& pictures, unsigned firstImageId) {
    EncodeResult r;
    r.error = checkPictures(pictures, FileKind::Icon);
    if (!r.error.empty()) {
        return r;
    }
    // Identifier 0 cannot be looked up, and every one must fit in a WORD.
    if (firstImageId < 1 || firstImageId + pictures.size() - 1 > 0xFFFF) {
        r.error = "image identifiers must lie between 1 and 65535";
        return r;
    }

    std::vector<std::uint8_t>& out = r.bytes;
    put16(out, 0);
    put16(out, 1);  // icons
    put16(out, static_cast<unsigned>(pictures.size()));
    unsigned id = firstImageId;
    for (const Picture& p : pictures) {
        appendEntryHead(out, p, FileKind::Icon);
        put16(out, id++);
    }
    r.ok = true;
    return r;
}

}  // namespace icongen
