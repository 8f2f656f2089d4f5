// tests/win32/app_exports_test.cpp: the map and flag metafiles read back, a failed save that
// keeps the previous file and says so, the tooltip's text and moves, and the drawn icon.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>
#include "app/app.h"
#include <commctrl.h>
#include "flags/flags.h"
#include "geo/cells.h"
#include "geo/countries.h"
#include "projection/names.h"
#include "stats/country_stats.h"
#include "view/country_tooltip_text.h"
#include "tests/file_contents.h"
#include "tests/win32/running_application.h"

namespace {

std::string temporary_path(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// What an enhanced metafile holds, read record by record from its bytes.
struct MetafileContents {
    ENHMETAHEADER header;
    std::string description;     // the first part of the description string
    std::string picture_name;    // the second part
    int polygons = 0;            // EMR_POLYGON and EMR_POLYGON16
    int frame_polygons = 0;      // ... of a cell frame's point count
    int filled_while_null_brush = 0;
    std::vector<COLORREF> pen_colours;
};

MetafileContents read_metafile(const std::string& path)
{
    MetafileContents m{};
    const std::string bytes = read_file(path);
    if (bytes.size() < sizeof(ENHMETAHEADER)) return m;
    memcpy(&m.header, bytes.data(), sizeof m.header);
    const wchar_t* text = reinterpret_cast<const wchar_t*>(bytes.data() + m.header.offDescription);
    for (; *text; ++text) m.description += char(*text);
    for (++text; m.header.nDescription && *text; ++text) m.picture_name += char(*text);
    for (size_t at = 0; at + 8 <= bytes.size();) {
        const ENHMETARECORD* record = reinterpret_cast<const ENHMETARECORD*>(bytes.data() + at);
        if (record->nSize < 8) break;
        if (record->iType == EMR_POLYGON16 || record->iType == EMR_POLYGON) {
            ++m.polygons;
            const DWORD count = record->iType == EMR_POLYGON16 ? reinterpret_cast<const EMRPOLYGON16*>(record)->cpts
                                                               : reinterpret_cast<const EMRPOLYGON*>(record)->cptl;
            m.frame_polygons += count == DWORD(FRAME_POINT_COUNT);
        }
        if (record->iType == EMR_CREATEPEN)
            m.pen_colours.push_back(reinterpret_cast<const EMRCREATEPEN*>(record)->lopn.lopnColor & 0xFFFFFF);
        at += record->nSize;
    }
    return m;
}

// Catches the message boxes of this thread while it lives: keeps each one's text and closes it.
class MessageBoxCatcher {
public:
    MessageBoxCatcher() : hook(SetWindowsHookExA(WH_CBT, on_cbt, NULL, GetCurrentThreadId())) { texts().clear(); }
    ~MessageBoxCatcher() { UnhookWindowsHookEx(hook); }
    static std::vector<std::string>& texts()
    {
        static std::vector<std::string> caught;
        return caught;
    }

private:
    HHOOK hook;
    static LRESULT CALLBACK on_cbt(int code, WPARAM wparam, LPARAM lparam)
    {
        char window_class[16] = {};
        if (code == HCBT_ACTIVATE) GetClassNameA(HWND(wparam), window_class, sizeof window_class);
        if (std::string(window_class) == "#32770") {   // a dialog; its owner is activated afterwards
            HWND box = HWND(wparam);
            char text[4096] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);   // a message box's text control
            texts().push_back(text);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(NULL, code, wparam, lparam);
    }
};

int kept_pieces(bool frames)
{
    int count = 0;
    for (int i = 0; i < projected_map.list_length; i += 2)
        count += projected_map.list[i + 1] > 0 && (!frames || projected_map.list[i] == 0);
    return count;
}

class Exports : public RunningApplication {
protected:
    void SetUp() override
    {
        RunningApplication::SetUp();
        if (!flag_index.start[1]) build_flag_index();
    }
};

}  // namespace

// 1. The map: the whole map whatever the zoom, one polygon per kept piece, the outline mode's edges.
TEST_F(Exports, MapMetafileHoldsTheWholeMapInTheOutlineMode)
{
    struct Case { OutlineMode mode; float zoom; };
    const Case cases[] = {{OUTLINE_CELL_FRAMES, 1.0f}, {OUTLINE_BOUNDARIES, 6.0f}};
    const std::string path = temporary_path("orbily_map.emf");
    for (const Case& c : cases) {
        outline_mode = c.mode;
        zoom_about(200.0f, 60.0f, c.zoom);
        ASSERT_TRUE(export_map_metafile(path.c_str()));
        const MetafileContents m = read_metafile(path);
        EXPECT_EQ(m.header.dSignature, DWORD(ENHMETA_SIGNATURE));
        // the description is the prefix and the label with a space, then an empty picture name
        char label[PROJECTION_LABEL_CAPACITY + 1] = " ";
        format_projection_label(current_projection, label, ' ');
        EXPECT_EQ(m.description.rfind("Orbily - ", 0), 0u) << m.description;
        EXPECT_EQ(m.description.substr(m.description.size() - (strlen(label) + 2)), std::string(" -") + label);
        EXPECT_EQ(m.picture_name, "");
        // "Equirectangular" covers the whole 360 x 180 frame: 32,760 x 16,380 units
        EXPECT_LE(m.header.rclBounds.left, 0);
        EXPECT_LE(m.header.rclBounds.top, 0);
        EXPECT_GE(m.header.rclBounds.right, 32759);
        EXPECT_GE(m.header.rclBounds.bottom, 16379);
        EXPECT_LE(m.header.rclBounds.right, 32761);
        EXPECT_LE(m.header.rclBounds.bottom, 16381);
        if (c.mode == OUTLINE_BOUNDARIES) {
            EXPECT_EQ(m.polygons, kept_pieces(false));
            ASSERT_FALSE(m.pen_colours.empty());
            for (COLORREF pen : m.pen_colours) EXPECT_EQ(pen, 0u);   // every piece edged in black
        } else {
            EXPECT_EQ(m.polygons, kept_pieces(false) + kept_pieces(true));   // the pieces, then the frames
        }
    }
    DeleteFileA(path.c_str());
}

// Every projection's map fits the metafile buffer and is written whole.
TEST_F(Exports, EveryProjectionsMapMetafileIsWritten)
{
    const std::string path = temporary_path("orbily_every_map.emf");
    size_t largest = 0;
    for (int index = 0; index < PROJECTION_COUNT; ++index) {
        set_projection(index, 7);
        ASSERT_TRUE(export_map_metafile(path.c_str())) << index;
        const MetafileContents m = read_metafile(path);
        EXPECT_EQ(m.polygons, kept_pieces(false) + kept_pieces(true)) << index;
        largest = std::max<size_t>(largest, m.header.nBytes);
    }
    RecordProperty("largest_map_metafile_bytes", int(largest));
    printf("largest map metafile: %u bytes\n", unsigned(largest));
    DeleteFileA(path.c_str());
}

// 2. The flag: 24000 units wide, as high as its aspect byte says. Nepal's is 0, the tallest;
// the widest, 255, is in no flag of the data, so a copy of Nepal's description is given it.
TEST_F(Exports, FlagMetafileIsTwentyFourThousandWideAndAsHighAsItsAspect)
{
    struct Case { int aspect_byte; int height; };
    const Case cases[] = {{0, 29250}, {255, 9429}};
    const std::string path = temporary_path("orbily_flag.emf");
    int country = 1;
    while (country < COUNTRY_COUNT && *flag_index.start[country] != 0) ++country;
    ASSERT_STREQ(country_names[country - 1], "Nepal");
    const unsigned char* original = flag_index.start[country];
    std::vector<unsigned char> copy(original, flag_index.start[country + 1]);
    for (const Case& c : cases) {
        copy[0] = static_cast<unsigned char>(c.aspect_byte);
        flag_index.start[country] = copy.data();
        const bool saved = export_flag_metafile(path.c_str(), country);
        flag_index.start[country] = original;
        ASSERT_TRUE(saved);
        const MetafileContents m = read_metafile(path);
        // the bounds are what is drawn: the pennant's tip may end a unit or two short of the edge
        EXPECT_NEAR(m.header.rclBounds.right - m.header.rclBounds.left + 1, 24000, 3) << c.aspect_byte;
        EXPECT_NEAR(m.header.rclBounds.bottom - m.header.rclBounds.top + 1, c.height, 1) << c.aspect_byte;
        EXPECT_EQ(m.description.substr(m.description.size() - strlen(country_names[country - 1])),
                  country_names[country - 1]);
    }
    DeleteFileA(path.c_str());
}

// 3. A save that fails keeps what was there and names the file in a message.
TEST_F(Exports, FailedSaveKeepsThePreviousFileAndSaysSo)
{
    enum Export { MAP, FLAG, STATISTICS };
    struct Case {
        const char* what;
        Export kind;
        std::string target;
        std::string kept;   // a file whose bytes must not change; empty for none
    };
    // a folder in the file's place, holding a file of its own
    const std::string folder = temporary_path("orbily_kept_folder.emf");
    CreateDirectoryA(folder.c_str(), NULL);
    std::ofstream(folder + "\\inside") << "kept";
    // Wine shows the host's root as Z:, and nothing may be written into its /proc, whoever runs
    // the test; on Windows these paths do not exist, which fails the save as well
    const Case cases[] = {
        {"map over a file in a read-only folder", MAP, "Z:\\proc\\version", "Z:\\proc\\version"},
        {"flag into a read-only folder", FLAG, "Z:\\proc\\orbily_flag.emf", ""},
        {"statistics into a read-only folder", STATISTICS, "Z:\\proc\\orbily.csv", ""},
        {"map over a folder", MAP, folder, folder + "\\inside"},
        {"flag into a folder that does not exist", FLAG, temporary_path("orbily no such folder\\flag.emf"), ""},
    };
    for (const Case& c : cases) {
        const std::string before = c.kept.empty() ? "" : read_file(c.kept);
        MessageBoxCatcher catcher;
        bool saved = true;
        if (c.kind == MAP) saved = export_map_metafile(c.target.c_str());
        if (c.kind == FLAG) saved = export_flag_metafile(c.target.c_str(), 1);
        if (c.kind == STATISTICS) saved = export_statistics(c.target.c_str());
        EXPECT_FALSE(saved) << c.what;
        if (!c.kept.empty()) {
            EXPECT_FALSE(before.empty()) << c.what;
            EXPECT_EQ(read_file(c.kept), before) << c.what;
        }
        ASSERT_EQ(MessageBoxCatcher::texts().size(), 1u) << c.what;
        const std::string& message = MessageBoxCatcher::texts()[0];
        EXPECT_NE(message.find(c.target), std::string::npos) << c.what << ": " << message;
    }
    DeleteFileA((folder + "\\inside").c_str());
    RemoveDirectoryA(folder.c_str());
}

// 4. The tooltip: a country, a region with its parent, the statistic's value and rank.
TEST_F(Exports, TooltipTextNamesTheCountryAndItsStatistic)
{
    const int us = country_of(236);
    CountryStats& stats = stats_of(us);
    const CountryStats kept = stats;
    struct Case { int code; double value; int rank; int tied; std::string expected; };
    const Case cases[] = {
        {236, MISSING_VALUE, 0, 0, "Alaska (United States of America)"},
        {us, MISSING_VALUE, 0, 0, country_names[us - 1]},
        {us, 2500000.0, 3, 0, std::string(country_names[us - 1]) + "\r\n2,500,000 (3rd)"},
        {236, 12.5, 21, 1, "Alaska (United States of America)\r\n12.5 (=21st)"},
    };
    for (const Case& c : cases) {
        stats.current = c.value;
        stats.rank = c.rank;
        stats.tied = c.tied;
        EXPECT_EQ(country_tooltip_text(c.code), c.expected);
    }
    stats = kept;
}

TEST_F(Exports, TooltipFollowsTheMouseOverLandAndHidesOverTheSea)
{
    ASSERT_NE(country_tooltip, nullptr);
    const POINT mouse = {300, 200};
    update_country_tooltip(1, mouse);
    EXPECT_TRUE(IsWindowVisible(country_tooltip));
    char text[TOOLTIP_TEXT_CAPACITY] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = country_tooltip;
    tool.uId = UINT_PTR(main_window);
    tool.lpszText = text;
    SendMessageA(country_tooltip, TTM_GETTEXTA, sizeof text, LPARAM(&tool));
    EXPECT_STREQ(text, country_tooltip_text(1));
    RECT tip;   // left of and below the mouse; the control may shift its window by its border
    GetWindowRect(country_tooltip, &tip);
    EXPECT_NEAR(tip.left, mouse.x - 16, 2);
    EXPECT_NEAR(tip.top, mouse.y + 24, 2);
    update_country_tooltip(0, mouse);
    EXPECT_FALSE(IsWindowVisible(country_tooltip));
    update_country_tooltip(1, POINT{310, 210});   // back onto the country: shown again
    EXPECT_TRUE(IsWindowVisible(country_tooltip));
    update_country_tooltip(-1, POINT{});
    EXPECT_FALSE(IsWindowVisible(country_tooltip));
}

// 5. The icon: 256 x 256, transparent in the corners outside the globe, opaque at its centre.
TEST_F(Exports, IconIsAGlobeWithTransparentCorners)
{
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(app_icon, &info));
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 256);
    EXPECT_EQ(mask.bmHeight, 256);
    struct { BITMAPINFOHEADER header; RGBQUAD colours[2]; } format = {};
    format.header.biSize = sizeof format.header;
    format.header.biWidth = 256;
    format.header.biHeight = -256;
    format.header.biPlanes = 1;
    format.header.biBitCount = 1;
    std::vector<unsigned char> bits(256 * 32);
    HDC screen = GetDC(NULL);
    ASSERT_EQ(GetDIBits(screen, info.hbmMask, 0, 256, bits.data(), reinterpret_cast<BITMAPINFO*>(&format),
                        DIB_RGB_COLORS), 256);
    ReleaseDC(NULL, screen);
    auto transparent = [&](int x, int y) { return (bits[y * 32 + x / 8] >> (7 - x % 8)) & 1; };
    const POINT corners[] = {{0, 0}, {255, 0}, {0, 255}, {255, 255}, {20, 20}, {235, 235}};
    for (const POINT& p : corners) EXPECT_EQ(transparent(p.x, p.y), 1) << p.x << "," << p.y;
    const POINT inside[] = {{127, 127}, {127, 5}, {5, 127}, {250, 127}, {127, 250}};
    for (const POINT& p : inside) EXPECT_EQ(transparent(p.x, p.y), 0) << p.x << "," << p.y;
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    EXPECT_NE(GetClassLongPtrA(main_window, GCLP_HICON), 0);   // the main window's class carries one
}
