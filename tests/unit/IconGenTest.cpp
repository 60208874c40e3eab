// Checks the picture encoder and that the .ico/.cur/.bin files committed under
// res/ are exactly what the text sources in res/pictures produce.
//
// Needs ZORVEL_SOURCE_DIR (the repository root, as a string literal), e.g.
//   target_compile_definitions(IconGenTest PRIVATE
//       ZORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "IconGen.h"

#ifndef ZORVEL_SOURCE_DIR
#error "ZORVEL_SOURCE_DIR must name the repository root"
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;
using icongen::FileKind;
using icongen::Picture;

std::string resPath(const std::string& name) {
    return std::string(ZORVEL_SOURCE_DIR) + "/res/" + name;
}

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

Picture loadPicture(const std::string& name) {
    std::string text;
    EXPECT_TRUE(readFile(resPath("pictures/" + name), text)) << name;
    icongen::ParseResult parsed = icongen::parsePicture(text);
    EXPECT_TRUE(parsed.ok) << name << ": " << parsed.error;
    return parsed.picture;
}

Picture parseOk(const std::string& text) {
    icongen::ParseResult parsed = icongen::parsePicture(text);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    return parsed.picture;
}

unsigned u16(const Bytes& b, std::size_t at) {
    return b.at(at) | (b.at(at + 1) << 8);
}

std::uint32_t u32(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(u16(b, at)) |
           (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}

std::int32_t s32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}

Bytes encodeOk(const std::vector<Picture>& pictures, FileKind kind) {
    icongen::EncodeResult r = icongen::encode(pictures, kind);
    EXPECT_TRUE(r.ok) << r.error;
    return r.bytes;
}

void expectCommittedIs(const std::string& file, const Bytes& expected) {
    std::string committed;
    ASSERT_TRUE(readFile(resPath(file), committed)) << file;
    EXPECT_FALSE(expected.empty());
    EXPECT_TRUE(Bytes(committed.begin(), committed.end()) == expected)
        << "res/" << file << " is stale; rebuild it with the icongen_regenerate target";
}

void expectCommittedMatches(const std::string& file, const std::vector<std::string>& sources,
                            FileKind kind) {
    std::vector<Picture> pictures;
    for (const std::string& s : sources) {
        pictures.push_back(loadPicture(s));
    }
    expectCommittedIs(file, encodeOk(pictures, kind));
}

Bytes imageOk(const Picture& picture) {
    icongen::EncodeResult r = icongen::encodeIconImage(picture);
    EXPECT_TRUE(r.ok) << r.error;
    return r.bytes;
}

Bytes groupOk(const std::vector<Picture>& pictures, unsigned firstImageId) {
    icongen::EncodeResult r = icongen::encodeIconGroup(pictures, firstImageId);
    EXPECT_TRUE(r.ok) << r.error;
    return r.bytes;
}

// 2x2 with opposite corners see-through.
const char kChecker[] =
    "size 2 2\n"
    "legend . transparent\n"
    "legend W white\n"
    "pixels\n"
    ".W\n"
    "W.\n";

constexpr std::size_t kDirSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kHeaderAndPalette = 40 + 16 * 4;

TEST(IconGenCommitted, WindowIconMatchesSource) {
    expectCommittedMatches("zorvel.ico", {"window16.txt"}, FileKind::Icon);
}

TEST(IconGenCommitted, PausedWindowIconMatchesSource) {
    expectCommittedMatches("zorvel-paused.ico", {"window16-paused.txt"}, FileKind::Icon);
}

TEST(IconGenCommitted, PointerMatchesSource) {
    expectCommittedMatches("pointer.cur", {"pointer32.txt"}, FileKind::Cursor);
}

TEST(IconGenCommitted, StopSignMatchesSources) {
    expectCommittedMatches("stop.ico", {"stop32.txt", "stop16.txt"}, FileKind::Icon);
}

// Icon group 1 goes into the .rc as two raw resources so that its image keeps
// identifier 30001.
TEST(IconGenCommitted, WindowIconResourcesMatchSource) {
    Picture window = loadPicture("window16.txt");
    expectCommittedIs("window-image30001.bin", imageOk(window));
    expectCommittedIs("window-group1.bin", groupOk({window}, 30001));
}

TEST(IconGenCommitted, PicturesHaveTheirSizes) {
    Picture window = loadPicture("window16.txt");
    EXPECT_EQ(window.width, 16);
    EXPECT_EQ(window.height, 16);
    Picture stop32 = loadPicture("stop32.txt");
    EXPECT_EQ(stop32.width, 32);
    EXPECT_EQ(stop32.height, 32);
    Picture stop16 = loadPicture("stop16.txt");
    EXPECT_EQ(stop16.width, 16);
    EXPECT_EQ(stop16.height, 16);
}

TEST(IconGenCommitted, PointerHotspotIsTheFingertip) {
    Picture p = loadPicture("pointer32.txt");
    ASSERT_EQ(p.width, 32);
    ASSERT_EQ(p.height, 32);
    ASSERT_TRUE(p.hasHotspot);
    EXPECT_EQ(p.hotspotX, 13);
    EXPECT_EQ(p.hotspotY, 9);
    // The tip is the black outline; straight above it is the yellow target,
    // not more hand.
    EXPECT_EQ(p.at(13, 9), 0);
    EXPECT_EQ(p.at(13, 8), 11);
    EXPECT_EQ(p.at(13, 10), 8);
}

TEST(IconGenCommitted, SmallStopSignIsOutlinedInBlack) {
    Picture p = loadPicture("stop16.txt");
    auto clear = [&](int x, int y) {
        return x < 0 || y < 0 || x >= p.width || y >= p.height ||
               p.at(x, y) == icongen::kTransparent;
    };
    int edgePixels = 0;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (clear(x, y)) {
                continue;
            }
            if (clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1)) {
                ++edgePixels;
                EXPECT_EQ(p.at(x, y), 0) << "edge pixel (" << x << ", " << y << ") is not black";
            }
        }
    }
    EXPECT_GT(edgePixels, 40);
}

TEST(IconGenEncode, DirectoryAndHeaderOfAnIcon) {
    Bytes b = encodeOk({parseOk(kChecker)}, FileKind::Icon);
    ASSERT_GE(b.size(), kDirSize + kEntrySize + 40u);
    EXPECT_EQ(u16(b, 0), 0u);
    EXPECT_EQ(u16(b, 2), 1u);  // icon
    EXPECT_EQ(u16(b, 4), 1u);
    EXPECT_EQ(b[6], 2);  // width
    EXPECT_EQ(b[7], 2);  // height, not doubled here
    EXPECT_EQ(b[8], 16);
    EXPECT_EQ(u16(b, 10), 1u);  // planes
    EXPECT_EQ(u16(b, 12), 4u);  // bits
    const std::size_t image = u32(b, 18);
    EXPECT_EQ(image, kDirSize + kEntrySize);
    EXPECT_EQ(u32(b, 14), b.size() - image);

    EXPECT_EQ(u32(b, image), 40u);
    EXPECT_EQ(s32(b, image + 4), 2);
    EXPECT_EQ(s32(b, image + 8), 4);  // colour rows plus mask rows
    EXPECT_EQ(u16(b, image + 12), 1u);
    EXPECT_EQ(u16(b, image + 14), 4u);
    EXPECT_EQ(u32(b, image + 16), 0u);
}

TEST(IconGenEncode, TransparentPixelsSetTheMaskAndClearTheColour) {
    Bytes b = encodeOk({parseOk(kChecker)}, FileKind::Icon);
    const std::size_t xorBits = kDirSize + kEntrySize + kHeaderAndPalette;
    const std::size_t andBits = xorBits + 2 * 4;
    ASSERT_EQ(b.size(), andBits + 2 * 4);
    // Bottom row first: "W." then ".W".
    EXPECT_EQ(b[xorBits], 0xF0);
    EXPECT_EQ(b[xorBits + 4], 0x0F);
    EXPECT_EQ(b[andBits], 0x40);
    EXPECT_EQ(b[andBits + 4], 0x80);
    for (std::size_t pad = 1; pad < 4; ++pad) {
        EXPECT_EQ(b[xorBits + pad], 0);
        EXPECT_EQ(b[andBits + pad], 0);
    }
}

TEST(IconGenEncode, PaletteIsTheClassicSixteen) {
    Bytes b = encodeOk({parseOk(kChecker)}, FileKind::Icon);
    const std::size_t palette = kDirSize + kEntrySize + 40;
    auto entry = [&](int i) {
        const std::size_t at = palette + static_cast<std::size_t>(i) * 4;
        return std::vector<int>{b[at + 2], b[at + 1], b[at], b[at + 3]};  // r, g, b, 0
    };
    EXPECT_EQ(entry(0), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(entry(4), (std::vector<int>{0, 0, 0x80, 0}));        // navy
    EXPECT_EQ(entry(6), (std::vector<int>{0, 0x80, 0x80, 0}));     // teal
    EXPECT_EQ(entry(7), (std::vector<int>{0xC0, 0xC0, 0xC0, 0}));  // silver
    EXPECT_EQ(entry(11), (std::vector<int>{0xFF, 0xFF, 0, 0}));    // yellow
    EXPECT_EQ(entry(15), (std::vector<int>{0xFF, 0xFF, 0xFF, 0}));
}

TEST(IconGenEncode, RowsArePaddedToFourBytes) {
    std::string text = "size 9 1\nlegend B blue\nlegend . transparent\npixels\nBBBBBBBB.\n";
    Bytes b = encodeOk({parseOk(text)}, FileKind::Icon);
    const std::size_t xorBits = kDirSize + kEntrySize + kHeaderAndPalette;
    ASSERT_EQ(b.size(), xorBits + 8 + 4);  // 9 nibbles -> 8 bytes, 9 bits -> 4 bytes
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(b[xorBits + i], 0xCC);
    }
    EXPECT_EQ(b[xorBits + 4], 0x00);
    EXPECT_EQ(b[xorBits + 8], 0x00);
    EXPECT_EQ(b[xorBits + 9], 0x80);
}

TEST(IconGenEncode, CursorCarriesItsHotspot) {
    std::string text = "size 4 3\nhotspot 3 2\nlegend K black\npixels\nKKKK\nKKKK\nKKKK\n";
    Bytes b = encodeOk({parseOk(text)}, FileKind::Cursor);
    EXPECT_EQ(u16(b, 2), 2u);  // cursor
    EXPECT_EQ(b[6], 4);
    EXPECT_EQ(b[7], 3);
    EXPECT_EQ(u16(b, 10), 3u);
    EXPECT_EQ(u16(b, 12), 2u);
}

TEST(IconGenEncode, CursorWithoutHotspotIsRefused) {
    icongen::EncodeResult r = icongen::encode({parseOk(kChecker)}, FileKind::Cursor);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_TRUE(r.bytes.empty());
}

TEST(IconGenEncode, SeveralImagesFollowOneAnother) {
    Picture big = loadPicture("stop32.txt");
    Picture small = loadPicture("stop16.txt");
    Bytes b = encodeOk({big, small}, FileKind::Icon);
    EXPECT_EQ(u16(b, 4), 2u);
    const std::size_t bigSize = kHeaderAndPalette + (16 + 4) * 32;
    const std::size_t smallSize = kHeaderAndPalette + (8 + 4) * 16;
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(u32(b, 6 + 8), bigSize);
    EXPECT_EQ(u32(b, 6 + 12), kDirSize + 2 * kEntrySize);
    EXPECT_EQ(b[22], 16);
    EXPECT_EQ(u32(b, 22 + 8), smallSize);
    EXPECT_EQ(u32(b, 22 + 12), kDirSize + 2 * kEntrySize + bigSize);
    EXPECT_EQ(b.size(), kDirSize + 2 * kEntrySize + bigSize + smallSize);
    EXPECT_EQ(s32(b, kDirSize + 2 * kEntrySize + bigSize + 8), 32);  // second header's height
}

TEST(IconGenEncode, SideOf256IsStoredAsZero) {
    std::string text = "size 256 1\nlegend R red\npixels\n" + std::string(256, 'R') + "\n";
    Bytes b = encodeOk({parseOk(text)}, FileKind::Icon);
    EXPECT_EQ(b[6], 0);
    EXPECT_EQ(b[7], 1);
    EXPECT_EQ(s32(b, kDirSize + kEntrySize + 4), 256);
}

constexpr std::size_t kGroupEntrySize = 14;

TEST(IconGenResources, ImageIsWhatAnIcoHoldsAfterItsDirectory) {
    Picture p = loadPicture("stop32.txt");
    Bytes ico = encodeOk({p}, FileKind::Icon);
    Bytes image = imageOk(p);
    ASSERT_EQ(u32(ico, 18), kDirSize + kEntrySize);
    EXPECT_EQ(Bytes(ico.begin() + kDirSize + kEntrySize, ico.end()), image);
    EXPECT_EQ(s32(image, 8), 64);  // colour rows plus mask rows
}

TEST(IconGenResources, GroupEntriesCopyTheIcoEntriesAndNumberTheImages) {
    Picture big = loadPicture("stop32.txt");
    Picture small = loadPicture("stop16.txt");
    Bytes ico = encodeOk({big, small}, FileKind::Icon);
    Bytes group = groupOk({big, small}, 7);
    ASSERT_EQ(group.size(), kDirSize + 2 * kGroupEntrySize);
    EXPECT_EQ(Bytes(group.begin(), group.begin() + kDirSize),
              Bytes(ico.begin(), ico.begin() + kDirSize));
    for (std::size_t n = 0; n < 2; ++n) {
        const std::size_t at = kDirSize + n * kGroupEntrySize;
        const std::size_t icoAt = kDirSize + n * kEntrySize;
        // Sides, colours, reserved, planes, bits and byte count; then the id
        // takes the place of the file offset.
        EXPECT_EQ(Bytes(group.begin() + at, group.begin() + at + 12),
                  Bytes(ico.begin() + icoAt, ico.begin() + icoAt + 12));
        EXPECT_EQ(u16(group, at + 12), 7u + n);
    }
    EXPECT_EQ(u32(group, kDirSize + 8), imageOk(big).size());
    EXPECT_EQ(u32(group, kDirSize + kGroupEntrySize + 8), imageOk(small).size());
}

TEST(IconGenResources, GroupRefusesIdentifiersThatDoNotFitAWord) {
    Picture p = parseOk(kChecker);
    EXPECT_FALSE(icongen::encodeIconGroup({p}, 0).ok);
    EXPECT_FALSE(icongen::encodeIconGroup({p, p}, 65535).ok);
    EXPECT_FALSE(icongen::encodeIconGroup({p}, 65536).ok);
    Bytes last = groupOk({p}, 65535);
    ASSERT_EQ(last.size(), kDirSize + kGroupEntrySize);
    EXPECT_EQ(u16(last, kDirSize + 12), 65535u);
}

TEST(IconGenResources, BadPicturesAreRefused) {
    Picture broken = parseOk(kChecker);
    broken.pixels.pop_back();
    icongen::EncodeResult image = icongen::encodeIconImage(broken);
    EXPECT_FALSE(image.ok);
    EXPECT_TRUE(image.bytes.empty());
    icongen::EncodeResult group = icongen::encodeIconGroup({broken}, 1);
    EXPECT_FALSE(group.ok);
    EXPECT_TRUE(group.bytes.empty());
    EXPECT_FALSE(icongen::encodeIconGroup({}, 1).ok);
}

TEST(IconGenParse, ReadsSizeHotspotAndLegend) {
    Picture p = parseOk(
        "# a comment\n"
        "\n"
        "size 3 2\n"
        "hotspot 1 0\n"
        "legend . transparent\n"
        "legend t teal\n"
        "legend g gray\n"
        "pixels\n"
        "t.g\n"
        "gt.\n"
        "\n");
    ASSERT_EQ(p.width, 3);
    ASSERT_EQ(p.height, 2);
    EXPECT_TRUE(p.hasHotspot);
    EXPECT_EQ(p.hotspotX, 1);
    EXPECT_EQ(p.hotspotY, 0);
    EXPECT_EQ(p.pixels, (std::vector<std::uint8_t>{6, icongen::kTransparent, 8, 8, 6,
                                                   icongen::kTransparent}));
}

TEST(IconGenParse, WindowsLineEndingsGiveTheSamePicture) {
    std::string crlf;
    for (char c : std::string(kChecker)) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    EXPECT_EQ(parseOk(crlf).pixels, parseOk(kChecker).pixels);
}

struct BadSource {
    const char* what;
    const char* text;
    const char* mentions;
};

class IconGenRejects : public ::testing::TestWithParam<BadSource> {};

TEST_P(IconGenRejects, WithAnError) {
    icongen::ParseResult r = icongen::parsePicture(GetParam().text);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find(GetParam().mentions), std::string::npos) << r.error;
}

INSTANTIATE_TEST_SUITE_P(
    Sources, IconGenRejects,
    ::testing::Values(
        BadSource{"short row", "size 3 2\nlegend K black\npixels\nKKK\nKK\n", "line 5"},
        BadSource{"long row", "size 3 1\nlegend K black\npixels\nKKKK\n", "line 4"},
        BadSource{"unknown character", "size 2 1\nlegend K black\npixels\nKx\n", "'x'"},
        BadSource{"missing rows", "size 2 3\nlegend K black\npixels\nKK\n", "rows"},
        BadSource{"extra rows", "size 2 1\nlegend K black\npixels\nKK\nKK\n", "line 5"},
        BadSource{"unknown colour", "size 1 1\nlegend K beige\npixels\nK\n", "beige"},
        BadSource{"character defined twice",
                  "size 1 1\nlegend K black\nlegend K white\npixels\nK\n", "twice"},
        BadSource{"hotspot outside", "size 2 2\nhotspot 2 0\nlegend K black\npixels\nKK\nKK\n",
                  "hotspot"},
        BadSource{"no size", "legend K black\npixels\nK\n", "size"},
        BadSource{"zero size", "size 0 4\nlegend K black\npixels\n", "between"},
        BadSource{"oversized", "size 300 1\nlegend K black\npixels\n", "between"},
        BadSource{"garbage number", "size 2x 2\nlegend K black\npixels\nKK\nKK\n", "size"},
        BadSource{"no pixels", "size 1 1\nlegend K black\n", "pixels"},
        BadSource{"unknown directive", "colour K black\n", "colour"},
        BadSource{"empty", "", "pixels"}),
    [](const ::testing::TestParamInfo<BadSource>& info) {
        std::string name;
        for (const char* c = info.param.what; *c != '\0'; ++c) {
            name += (*c == ' ') ? '_' : *c;
        }
        return name;
    });

}  // namespace
