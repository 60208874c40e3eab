// Looks inside the built Zorvel.exe (next to this test executable) and checks
// the resources the shell and the program itself rely on: the picking cursor,
// the icons, the version block and the manifest.
#include <windows.h>
#include <winver.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifndef LOAD_LIBRARY_AS_IMAGE_RESOURCE
#define LOAD_LIBRARY_AS_IMAGE_RESOURCE 0x00000020
#endif

namespace {

constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// Resource types by number, so the file builds with or without UNICODE.
constexpr WORD kCursor = 1;
constexpr WORD kIcon = 3;
constexpr WORD kGroupCursor = 12;
constexpr WORD kGroupIcon = 14;
constexpr WORD kVersion = 16;
constexpr WORD kManifest = 24;

std::wstring zorvelPath() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) {
            return L"";
        }
        if (n < buf.size()) {
            std::wstring self(buf.data(), n);
            std::size_t slash = self.find_last_of(L"\\/");
            return (slash == std::wstring::npos ? std::wstring(L".") : self.substr(0, slash)) +
                   L"\\Zorvel.exe";
        }
        buf.resize(buf.size() * 2);
    }
}

std::string narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) {
        s += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return s;
}

WORD u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<WORD>(b.at(at) | (b.at(at + 1) << 8));
}

DWORD u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<DWORD>(u16(b, at)) | (static_cast<DWORD>(u16(b, at + 2)) << 16);
}

LONG s32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<LONG>(u32(b, at));
}

BOOL CALLBACK collectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD lang, LONG_PTR param) {
    reinterpret_cast<std::set<WORD>*>(param)->insert(lang);
    return TRUE;
}

BOOL CALLBACK collectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    // Named resources sort before numbered ones; record them as 0xFFFF+.
    auto* names = reinterpret_cast<std::vector<std::uintptr_t>*>(param);
    names->push_back(IS_INTRESOURCE(name) ? reinterpret_cast<std::uintptr_t>(name) : 0x10000);
    return TRUE;
}

// Side of a bitmap, {0, 0} if it cannot be read.
SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

class ResourcesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        path_ = new std::wstring(zorvelPath());
        module_ = LoadLibraryExW(path_->c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }

    static void TearDownTestSuite() {
        if (module_ != nullptr) {
            FreeLibrary(module_);
            module_ = nullptr;
        }
        delete path_;
        path_ = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(module_, nullptr)
            << "cannot load " << narrow(*path_) << ", error " << GetLastError();
    }

    static std::set<WORD> languages(WORD type, WORD id) {
        std::set<WORD> langs;
        EnumResourceLanguagesW(module_, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id),
                               collectLanguage, reinterpret_cast<LONG_PTR>(&langs));
        return langs;
    }

    // Empty when the resource is missing in exactly that language.
    static std::vector<std::uint8_t> load(WORD type, WORD id, WORD lang) {
        if (languages(type, id).count(lang) == 0) {
            return {};
        }
        HRSRC found = FindResourceExW(module_, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), lang);
        if (found == nullptr) {
            return {};
        }
        DWORD size = SizeofResource(module_, found);
        HGLOBAL handle = LoadResource(module_, found);
        const void* data = handle != nullptr ? LockResource(handle) : nullptr;
        if (data == nullptr || size == 0) {
            return {};
        }
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        return std::vector<std::uint8_t>(bytes, bytes + size);
    }

    struct GroupIconEntry {
        int width;
        int height;
        int colours;
        WORD bits;
        WORD imageId;
        DWORD bytes;
    };

    static std::vector<std::uintptr_t> names(WORD type) {
        std::vector<std::uintptr_t> found;
        EnumResourceNamesW(module_, MAKEINTRESOURCEW(type), collectName,
                           reinterpret_cast<LONG_PTR>(&found));
        return found;
    }

    // Reads an kGroupIcon and checks each image it names is there in the
    // same language with a DIB of the advertised size and depth.
    static std::vector<GroupIconEntry> iconGroup(WORD id, WORD lang) {
        std::vector<std::uint8_t> dir = load(kGroupIcon, id, lang);
        std::vector<GroupIconEntry> entries;
        EXPECT_GE(dir.size(), 6u) << "icon group " << id << " missing in language " << lang;
        if (dir.size() < 6) {
            return entries;
        }
        EXPECT_EQ(u16(dir, 0), 0);
        EXPECT_EQ(u16(dir, 2), 1);  // icons
        const WORD count = u16(dir, 4);
        EXPECT_EQ(dir.size(), 6u + 14u * count);
        for (WORD i = 0; i < count && 6u + 14u * (i + 1u) <= dir.size(); ++i) {
            const std::size_t at = 6 + 14 * static_cast<std::size_t>(i);
            GroupIconEntry e;
            e.width = dir[at] == 0 ? 256 : dir[at];
            e.height = dir[at + 1] == 0 ? 256 : dir[at + 1];
            e.colours = dir[at + 2];
            EXPECT_EQ(u16(dir, at + 4), 1) << "planes in entry " << i << " of group " << id;
            e.bits = u16(dir, at + 6);
            e.bytes = u32(dir, at + 8);
            e.imageId = u16(dir, at + 12);
            entries.push_back(e);

            std::vector<std::uint8_t> image = load(kIcon, e.imageId, lang);
            EXPECT_EQ(image.size(), e.bytes) << "icon image " << e.imageId << " of group " << id;
            if (image.size() >= 40) {
                EXPECT_EQ(u32(image, 0), 40u);
                EXPECT_EQ(s32(image, 4), e.width);
                EXPECT_EQ(s32(image, 8), 2 * e.height);
                EXPECT_EQ(u16(image, 14), e.bits);
            }
        }
        return entries;
    }

    static std::wstring* path_;
    static HMODULE module_;
};

std::wstring* ResourcesTest::path_ = nullptr;
HMODULE ResourcesTest::module_ = nullptr;

TEST_F(ResourcesTest, PickingCursorIsThePointingHand) {
    EXPECT_EQ(languages(kGroupCursor, 101), std::set<WORD>{kEnglishUs});
    std::vector<std::uint8_t> dir = load(kGroupCursor, 101, kEnglishUs);
    ASSERT_EQ(dir.size(), 6u + 14u);
    EXPECT_EQ(u16(dir, 2), 2);  // cursors
    ASSERT_EQ(u16(dir, 4), 1);
    EXPECT_EQ(u16(dir, 6), 32);
    EXPECT_EQ(u16(dir, 8), 64);  // cursor groups record the DIB height: colour plus mask
    const WORD imageId = u16(dir, 18);
    EXPECT_EQ(imageId, 1);

    std::vector<std::uint8_t> image = load(kCursor, imageId, kEnglishUs);
    ASSERT_GE(image.size(), 4u + 40u);
    EXPECT_EQ(image.size(), u32(dir, 14));
    EXPECT_EQ(u16(image, 0), 13);  // hot spot: the fingertip
    EXPECT_EQ(u16(image, 2), 9);
    EXPECT_EQ(u32(image, 4), 40u);
    EXPECT_EQ(s32(image, 8), 32);
    EXPECT_EQ(s32(image, 12), 64);

    // And the system agrees once it has turned the bytes into a cursor.
    HICON cursor = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), FALSE,
                                            0x00030000, 0, 0, LR_DEFAULTCOLOR);
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 13u);
    EXPECT_EQ(info.yHotspot, 9u);
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
    }
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    DestroyCursor(cursor);
}

TEST_F(ResourcesTest, ApplicationIconIsTheFirstIconGroup) {
    std::vector<std::uintptr_t> groups = names(kGroupIcon);
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.front(), 1u);
}

TEST_F(ResourcesTest, IconImagesAreExactlyTheOnesTheGroupsName) {
    std::vector<std::uintptr_t> images = names(kIcon);
    EXPECT_EQ(std::set<std::uintptr_t>(images.begin(), images.end()),
              (std::set<std::uintptr_t>{1, 2, 3, 4, 30001}));
    EXPECT_EQ(images.size(), 5u);
}

TEST_F(ResourcesTest, WindowIconInGroupOneIsImage30001) {
    EXPECT_EQ(languages(kGroupIcon, 1), std::set<WORD>{kNeutral});
    EXPECT_EQ(languages(kIcon, 30001), std::set<WORD>{kNeutral});
    EXPECT_NE(FindResourceW(module_, MAKEINTRESOURCEW(30001), MAKEINTRESOURCEW(kIcon)), nullptr);
    std::vector<GroupIconEntry> images = iconGroup(1, kNeutral);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].imageId, 30001);
    EXPECT_EQ(images[0].width, 16);
    EXPECT_EQ(images[0].height, 16);
    EXPECT_EQ(images[0].colours, 16);
    EXPECT_EQ(images[0].bits, 4);
}

TEST_F(ResourcesTest, WindowIconInGroupOneLoadsAsA16PixelIcon) {
    HANDLE loaded = LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0);
    ASSERT_NE(loaded, nullptr) << "error " << GetLastError();
    HICON icon = static_cast<HICON>(loaded);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    // A colour icon has a 16x16 colour bitmap and a 16x16 mask.
    SIZE colour = bitmapSize(info.hbmColor);
    SIZE mask = bitmapSize(info.hbmMask);
    EXPECT_EQ(colour.cx, 16);
    EXPECT_EQ(colour.cy, 16);
    EXPECT_EQ(mask.cx, 16);
    EXPECT_EQ(mask.cy, 16);
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
    }
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    DestroyIcon(icon);
}

// The window icon in group 101 and its grey look of a pause in group 103.
TEST_F(ResourcesTest, WindowIconsInGroups101And103AreImages1And4) {
    for (const auto& [group, image] : {std::pair<WORD, WORD>{101, 1}, {103, 4}}) {
        EXPECT_EQ(languages(kGroupIcon, group), std::set<WORD>{kEnglishUs}) << group;
        std::vector<GroupIconEntry> images = iconGroup(group, kEnglishUs);
        ASSERT_EQ(images.size(), 1u) << group;
        EXPECT_EQ(images[0].imageId, image);
        EXPECT_EQ(images[0].width, 16);
        EXPECT_EQ(images[0].height, 16);
    }
}

TEST_F(ResourcesTest, StopSignInGroup102HasBothSizesAsImages2And3) {
    EXPECT_EQ(languages(kGroupIcon, 102), std::set<WORD>{kEnglishUs});
    std::vector<GroupIconEntry> images = iconGroup(102, kEnglishUs);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].imageId, 2);
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[0].height, 32);
    EXPECT_EQ(images[1].imageId, 3);
    EXPECT_EQ(images[1].width, 16);
    EXPECT_EQ(images[1].height, 16);
}

TEST_F(ResourcesTest, FixedVersionInfo) {
    EXPECT_EQ(languages(kVersion, 1), std::set<WORD>{kEnglishUs});
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path_->c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path_->c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
    ASSERT_GE(len, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &len));
    ASSERT_EQ(len, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

TEST_F(ResourcesTest, VersionStrings) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path_->c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path_->c_str(), 0, size, block.data()));

    const struct {
        const wchar_t* key;
        const wchar_t* value;
    } expected[] = {
        {L"CompanyName", L"xxx"},     {L"ProductName", L"Zorvel"},
        {L"FileVersion", L"1.00"},    {L"ProductVersion", L"1.00"},
        {L"InternalName", L"Zorvel"}, {L"OriginalFilename", L"Zorvel.exe"},
    };
    for (const auto& e : expected) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + e.key;
        wchar_t* value = nullptr;
        UINT len = 0;
        ASSERT_TRUE(
            VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &len))
            << narrow(e.key);
        EXPECT_EQ(std::wstring(value), e.value) << narrow(e.key);
    }
}

// Walks the raw VS_VERSIONINFO tree: each node is wLength, wValueLength,
// wType, a NUL-terminated key, then its value and children on 4-byte bounds.
struct VersionNode {
    std::wstring key;
    std::size_t childrenBegin;
    std::size_t end;
};

bool readVersionNode(const std::vector<std::uint8_t>& b, std::size_t at, VersionNode& node) {
    if (at + 6 > b.size()) {
        return false;
    }
    const WORD length = u16(b, at);
    const WORD valueLength = u16(b, at + 2);
    const WORD type = u16(b, at + 4);
    if (length < 6 || at + length > b.size()) {
        return false;
    }
    node.end = at + length;
    node.key.clear();
    std::size_t p = at + 6;
    for (; p + 1 < node.end; p += 2) {
        wchar_t c = static_cast<wchar_t>(u16(b, p));
        if (c == 0) {
            break;
        }
        node.key += c;
    }
    p = (p + 2 + 3) & ~static_cast<std::size_t>(3);
    p += type == 1 ? valueLength * 2u : valueLength;
    node.childrenBegin = (p + 3) & ~static_cast<std::size_t>(3);
    return true;
}

std::vector<VersionNode> versionChildren(const std::vector<std::uint8_t>& b,
                                         const VersionNode& parent) {
    std::vector<VersionNode> out;
    std::size_t at = parent.childrenBegin;
    VersionNode child;
    while (at < parent.end && readVersionNode(b, at, child)) {
        out.push_back(child);
        at = (child.end + 3) & ~static_cast<std::size_t>(3);
    }
    return out;
}

TEST_F(ResourcesTest, VersionHoldsOneStringTableWithOnlyTheseStrings) {
    std::vector<std::uint8_t> raw = load(kVersion, 1, kEnglishUs);
    VersionNode root;
    ASSERT_TRUE(readVersionNode(raw, 0, root));
    EXPECT_EQ(narrow(root.key), "VS_VERSION_INFO");

    std::vector<std::wstring> tables;
    std::set<std::string> keys;
    for (const VersionNode& section : versionChildren(raw, root)) {
        if (section.key != L"StringFileInfo") {
            continue;
        }
        for (const VersionNode& table : versionChildren(raw, section)) {
            tables.push_back(table.key);
            for (const VersionNode& str : versionChildren(raw, table)) {
                keys.insert(narrow(str.key));
            }
        }
    }
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(narrow(tables[0]), "040904B0");
    EXPECT_EQ(keys, (std::set<std::string>{"CompanyName", "ProductName", "FileVersion",
                                           "ProductVersion", "InternalName", "OriginalFilename"}));
}

TEST_F(ResourcesTest, ManifestAsksForCommonControlsSixAndPerMonitorDpi) {
    // A second copy (say, a toolchain's default manifest) would make the
    // loader's choice a matter of luck.
    EXPECT_EQ(languages(kManifest, 1).size(), 1u);
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(kManifest));
    ASSERT_NE(found, nullptr);
    HGLOBAL handle = LoadResource(module_, found);
    ASSERT_NE(handle, nullptr);
    const char* data = static_cast<const char*>(LockResource(handle));
    ASSERT_NE(data, nullptr);
    const std::string xml(data, SizeofResource(module_, found));

    std::size_t name = xml.find("\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(name, std::string::npos);
    std::size_t open = xml.rfind('<', name);
    std::size_t close = xml.find('>', name);
    ASSERT_NE(open, std::string::npos);
    ASSERT_NE(close, std::string::npos);
    const std::string identity = xml.substr(open, close - open);
    EXPECT_NE(identity.find("version=\"6.0.0.0\""), std::string::npos) << identity;
    EXPECT_NE(identity.find("publicKeyToken=\"6595b64144ccf1df\""), std::string::npos) << identity;

    EXPECT_NE(xml.find(">PerMonitorV2<"), std::string::npos);
    EXPECT_NE(xml.find(">true/pm<"), std::string::npos);
    EXPECT_NE(xml.find("level=\"asInvoker\""), std::string::npos);
}

}  // namespace
