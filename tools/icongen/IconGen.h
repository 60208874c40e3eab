#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Turns the text pictures under res/pictures into .ico and .cur files, and
// into the raw icon resources (one image, one group directory) that the .rc
// declares by number when it has to choose the image identifiers itself.
//
// A picture source looks like this:
//
//   # comment
//   size 16 16
//   hotspot 13 9          (cursors only; the pixel that does the pointing)
//   legend . transparent
//   legend K black
//   legend W white
//   pixels
//   KKKKKKKKKKKKKKKK
//   ...                   (exactly `height` rows of `width` characters)
//
// Colour names are the 16 classic VGA colours; "transparent" marks pixels
// that let the desktop through.
namespace icongen {

// Palette index used for pixels that are see-through.
constexpr std::uint8_t kTransparent = 16;

constexpr int kPaletteSize = 16;

struct Picture {
    int width = 0;
    int height = 0;
    bool hasHotspot = false;
    int hotspotX = 0;
    int hotspotY = 0;
    // Row-major, top row first; values 0..15 or kTransparent.
    std::vector<std::uint8_t> pixels;

    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct ParseResult {
    bool ok = false;
    Picture picture;
    std::string error;  // "line N: what went wrong" when !ok
};

enum class FileKind { Icon, Cursor };

struct EncodeResult {
    bool ok = false;
    std::vector<std::uint8_t> bytes;
    std::string error;
};

// Returns the palette index for a colour name ("navy", "grey", ...), -1 if
// the name is unknown and kTransparent for "transparent".
int colourIndex(std::string_view name);

// Red, green, blue of palette entry `index` (0..15).
void paletteColour(int index, std::uint8_t& r, std::uint8_t& g, std::uint8_t& b);

ParseResult parsePicture(std::string_view text);

// Builds a complete .ico or .cur file holding `pictures` in the given order.
EncodeResult encode(const std::vector<Picture>& pictures, FileKind kind);

// The bytes of one icon image resource: exactly what an .ico holds for the
// picture after its directory (header with doubled height, palette, colour
// and mask bits).
EncodeResult encodeIconImage(const Picture& picture);

// The bytes of an icon group directory resource naming `pictures` in order;
// entry n names the image resource firstImageId + n.
EncodeResult encodeIconGroup(const std::vector<Picture>& pictures, unsigned firstImageId);

}  // namespace icongen
