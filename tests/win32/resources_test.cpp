// The resources that the resource compiler made of res/kelvane.rc, read back from this program as
// the system reads them: the dialogs must be exactly the table in res/dialogs.def that the other
// ports build from, and the icon, string and version record what the program relies on.
#include "platform/win32/native.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/framework/app.h"
#include "res/resource.h"
#include "res/strings.h"
#include "res/templates.h"

namespace {

// The bytes of resource `id` of `type` in this program; empty when there is none.
std::pair<const std::uint8_t*, std::size_t> Resource(int id, LPCSTR type) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return {nullptr, 0};
    HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

std::string Ordinal(int number) {
    std::string text = "#";
    text += std::to_string(number);
    return text;
}

// Walks a DLGTEMPLATEEX: little-endian fields, UTF-16 strings, items aligned to four bytes.
class TemplateReader {
public:
    TemplateReader(const std::uint8_t* data, std::size_t size) : m_base(data), m_size(size) {}

    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
    std::uint32_t Dword() { return Word() | static_cast<std::uint32_t>(Word()) << 16; }
    std::int16_t Short() { return static_cast<std::int16_t>(Word()); }
    std::uint8_t Byte() {
        if (m_at >= m_size) {
            m_overrun = true;
            return 0;
        }
        return m_base[m_at++];
    }
    // Our texts are ASCII; anything else shows as '?'.
    std::string String() {
        std::string text;
        for (std::uint16_t c = Word(); c != 0 && !m_overrun; c = Word())
            text += c < 0x80 ? static_cast<char>(c) : '?';
        return text;
    }
    // A name or an ordinal: an ordinal reads as "#n".
    std::string NameOrOrdinal() {
        const std::size_t start = m_at;
        if (Word() == 0xFFFF)
            return Ordinal(Word());
        m_at = start;
        return String();
    }
    void Skip(std::size_t bytes) { m_at += bytes; }
    void AlignToDword() { m_at = (m_at + 3) & ~std::size_t{3}; }
    bool overrun() const { return m_overrun || m_at > m_size; }

private:
    const std::uint8_t* m_base;
    std::size_t m_size;
    std::size_t m_at = 0;
    bool m_overrun = false;
};

// The predefined classes are stored as ordinals; class names compare without case.
std::string ClassName(const std::string& stored) {
    static const std::pair<const char*, const char*> kOrdinals[] = {
        {"#128", "button"},  {"#129", "edit"},      {"#130", "static"},
        {"#131", "listbox"}, {"#132", "scrollbar"}, {"#133", "combobox"}};
    for (const auto& [ordinal, name] : kOrdinals) {
        if (stored == ordinal)
            return name;
    }
    std::string lower = stored;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

void ExpectDialogAsTheTableSays(int id) {
    SCOPED_TRACE("dialog " + std::to_string(id));
    const res::DialogTemplate* table = res::FindDialogTemplate(id);
    ASSERT_NE(table, nullptr);
    auto [data, size] = Resource(id, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    ASSERT_NE(data, nullptr);

    TemplateReader r(data, size);
    EXPECT_EQ(r.Word(), 1);       // dlgVer
    EXPECT_EQ(r.Word(), 0xFFFF);  // an extended template
    r.Dword();                    // help id
    EXPECT_EQ(r.Dword(), table->exStyle);
    const std::uint32_t style = r.Dword();
    EXPECT_EQ(style, table->style);
    const std::uint16_t count = r.Word();
    ASSERT_EQ(count, table->controls.size());
    EXPECT_EQ(r.Short(), table->x);
    EXPECT_EQ(r.Short(), table->y);
    EXPECT_EQ(r.Short(), table->cx);
    EXPECT_EQ(r.Short(), table->cy);
    EXPECT_EQ(r.NameOrOrdinal(), "");  // no menu
    EXPECT_EQ(r.NameOrOrdinal(), "");  // the dialog class
    EXPECT_EQ(r.String(), table->caption);
    ASSERT_TRUE(style & DS_SETFONT);
    EXPECT_EQ(r.Word(), table->points);
    r.Word();                // weight
    r.Byte();                // italic
    EXPECT_EQ(r.Byte(), 1);  // the default character set
    EXPECT_EQ(r.String(), table->face);

    for (const res::ControlTemplate& control : table->controls) {
        SCOPED_TRACE(std::string("control ") + std::to_string(control.id) + " \"" + control.text +
                     "\"");
        r.AlignToDword();
        r.Dword();  // help id
        EXPECT_EQ(r.Dword(), control.exStyle);
        EXPECT_EQ(r.Dword(), control.style);
        EXPECT_EQ(r.Short(), control.x);
        EXPECT_EQ(r.Short(), control.y);
        EXPECT_EQ(r.Short(), control.cx);
        EXPECT_EQ(r.Short(), control.cy);
        EXPECT_EQ(r.Dword(), static_cast<std::uint32_t>(control.id));
        EXPECT_EQ(ClassName(r.NameOrOrdinal()), ClassName(control.className));
        const std::string text = r.NameOrOrdinal();
        EXPECT_EQ(text, control.iconId ? Ordinal(control.iconId) : std::string(control.text));
        r.Skip(r.Word());  // creation data
    }
    EXPECT_FALSE(r.overrun());
}

TEST(Resources, TheDialogsAreTheTemplateTable) {
    ExpectDialogAsTheTableSays(IDD_KELVANE_DIALOG);
    ExpectDialogAsTheTableSays(IDD_ABOUTBOX);
}

TEST(Resources, TheIconHasThreeSizesInThreeDepths) {
    auto [data, size] = Resource(IDR_MAINFRAME, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_NE(data, nullptr);
    ASSERT_GE(size, 6u);
    const std::uint16_t count = static_cast<std::uint16_t>(data[4] | data[5] << 8);
    ASSERT_EQ(count, 9);
    ASSERT_GE(size, 6u + 14u * count);
    std::set<std::pair<int, int>> images;  // (pixels, bits per pixel)
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* entry = data + 6 + 14 * i;
        const int width = entry[0] ? entry[0] : 256;
        EXPECT_EQ(entry[1], entry[0]) << "square";
        images.insert({width, entry[6] | entry[7] << 8});
        const int imageId = entry[12] | entry[13] << 8;
        EXPECT_NE(Resource(imageId, MAKEINTRESOURCEA(3) /* RT_ICON */).first, nullptr) << imageId;
    }
    std::set<std::pair<int, int>> expected;
    for (int pixels : {16, 32, 48})
        for (int bits : {4, 8, 24}) expected.insert({pixels, bits});
    EXPECT_EQ(images, expected);

    EXPECT_NE(dlg::AfxGetApp()->LoadIcon(IDR_MAINFRAME), nullptr);
}

TEST(Resources, TheAboutEntrysText) {
    std::string text;
    EXPECT_TRUE(dlg::LoadResourceString(IDS_ABOUTBOX, text));
    EXPECT_EQ(text, IDS_ABOUTBOX_TEXT);
    EXPECT_FALSE(dlg::LoadResourceString(IDS_ABOUTBOX + 1, text));
    EXPECT_EQ(text, "");
}

TEST(Resources, TheVersionRecordAsTheSystemReadsIt) {
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    const std::pair<const char*, const char*> strings[] = {
        {"FileVersion", "2.0.0.0"},      {"ProductVersion", "2.0.0.0"},
        {"FileDescription", "Kelvane"},  {"ProductName", "Kelvane"},
        {"InternalName", "Kelvane.exe"}, {"OriginalFilename", "Kelvane.exe"}};
    for (const auto& [name, value] : strings) {
        const std::string key = std::string("\\StringFileInfo\\040904b0\\") + name;
        char* text = nullptr;
        ASSERT_TRUE(
            VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
            << name;
        EXPECT_STREQ(text, value) << name;
    }
}

}  // namespace
