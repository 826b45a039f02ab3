// Reads the resources back out of the built program, as Windows' loader will see
// them: every type, name, language and size, and the dialog templates field by field.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/res/resource.h"

namespace {

const WORD ChineseSimplified = 2052;

std::string ResourceName(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name);
}

struct Inventory {
    // type -> name -> languages
    std::map<std::string, std::map<std::string, std::set<WORD>>> entries;
};

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR inventory)
{
    reinterpret_cast<Inventory*>(inventory)->entries[ResourceName(type)][ResourceName(name)].insert(language);
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR inventory)
{
    EnumResourceLanguagesA(module, type, name, AddLanguage, inventory);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR inventory)
{
    EnumResourceNamesA(module, type, AddName, inventory);
    return TRUE;
}

Inventory ReadInventory(HMODULE module)
{
    Inventory inventory;
    EnumResourceTypesA(module, AddType, reinterpret_cast<LONG_PTR>(&inventory));
    return inventory;
}

DWORD SizeOf(HMODULE module, LPCSTR type, LPCSTR name)
{
    HRSRC found = FindResourceExA(module, type, name, ChineseSimplified);
    return found ? SizeofResource(module, found) : 0;
}

const std::uint8_t* Bytes(HMODULE module, LPCSTR type, LPCSTR name)
{
    HRSRC found = FindResourceExA(module, type, name, ChineseSimplified);
    return found ? static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found))) : nullptr;
}

LPCSTR Id(int id) { return MAKEINTRESOURCEA(id); }

std::string HexDword(DWORD value)
{
    char text[16];
    wsprintfA(text, "0x%08lX", value);
    return text;
}

void ExpectTheInventory(HMODULE module)
{
    std::map<std::string, std::map<std::string, std::set<WORD>>> expected;
    for (const char* name : {"ABOUT", "HELP", "VLX", "#131", "#133"})
        expected["#5"][name] = {ChineseSimplified};
    for (int id = IDB_CARD_FIRST; id <= IDB_CARD_LAST; ++id)
        expected["#2"]["#" + std::to_string(id)] = {ChineseSimplified};
    for (int id : {1, 2, 3})
        expected["#3"]["#" + std::to_string(id)] = {ChineseSimplified};
    for (int id : {IDI_VELTRO, IDI_ABOUT})
        expected["#14"]["#" + std::to_string(id)] = {ChineseSimplified};
    EXPECT_EQ(expected, ReadInventory(module).entries) << "types: 2 bitmap, 3 icon, 5 dialog, 14 group icon";

    for (int id = IDB_CARD_FIRST; id <= IDB_CARD_LAST; ++id)
        EXPECT_EQ(7464u, SizeOf(module, Id(2), Id(id))) << "bitmap " << id;
    EXPECT_EQ(744u, SizeOf(module, Id(3), Id(1)));
    EXPECT_EQ(296u, SizeOf(module, Id(3), Id(2)));
    EXPECT_EQ(744u, SizeOf(module, Id(3), Id(3)));
    EXPECT_EQ(6u + 2 * 14, SizeOf(module, Id(14), Id(IDI_VELTRO)));
    EXPECT_EQ(6u + 14, SizeOf(module, Id(14), Id(IDI_ABOUT)));
}

TEST(Resources, TheTestProgramHoldsTheInventory)
{
    ExpectTheInventory(GetModuleHandleA(nullptr));
}

#ifdef VELTRO_EXE_NAME
// The program is built beside the tests.
std::string VeltroExePath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string tests(path);
    return tests.substr(0, tests.find_last_of("\\/") + 1) + VELTRO_EXE_NAME;
}

TEST(Resources, VeltroExeHoldsTheInventory)
{
    HMODULE module = LoadLibraryExA(VeltroExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module) << VeltroExePath();
    ExpectTheInventory(module);
    FreeLibrary(module);
}

TEST(VeltroExe, IsA64BitGuiProgramThatNeedsOnlyWindowsOwnDlls)
{
    HMODULE module = LoadLibraryExA(VeltroExePath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(nullptr, module) << VeltroExePath();
    const auto base = reinterpret_cast<const std::uint8_t*>(module);
    const auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
    EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, nt->FileHeader.Machine);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, nt->OptionalHeader.Subsystem);

    std::set<std::string> imported;
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name; ++entry) {
        std::string name(reinterpret_cast<const char*>(base + entry->Name));
        CharUpperA(name.data());
        imported.insert(name);
    }
    const std::set<std::string> windowsOwn = {"COMCTL32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "USER32.DLL"};
    std::set<std::string> others;
    for (const std::string& name : imported)
        if (!windowsOwn.count(name))
            others.insert(name);
    EXPECT_EQ(std::set<std::string>{}, others) << "DLLs that do not come with Windows";
    EXPECT_EQ(1u, imported.count("COMCTL32.DLL")) << "the progress bar's class comes from comctl32";
    FreeLibrary(module);
}
#endif

// One group icon entry: width, height, colours, planes, bits per pixel, size, icon id.
std::string GroupEntries(const std::uint8_t* group)
{
    std::string text;
    const int count = group[4] | group[5] << 8;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = group + 6 + 14 * i;
        text += std::to_string(e[0]) + "x" + std::to_string(e[1]) + " " + std::to_string(e[2]) + " colours, " +
                std::to_string(e[4] | e[5] << 8) + " plane, " + std::to_string(e[6] | e[7] << 8) + " bpp, " +
                std::to_string(e[8] | e[9] << 8 | e[10] << 16) + " bytes, icon " + std::to_string(e[12] | e[13] << 8) + "; ";
    }
    return text;
}

TEST(Resources, GroupIconsNameTheirImages)
{
    HMODULE module = GetModuleHandleA(nullptr);
    const std::uint8_t* program = Bytes(module, Id(14), Id(IDI_VELTRO));
    const std::uint8_t* about = Bytes(module, Id(14), Id(IDI_ABOUT));
    ASSERT_NE(nullptr, program);
    ASSERT_NE(nullptr, about);
    EXPECT_EQ("32x32 16 colours, 1 plane, 4 bpp, 744 bytes, icon 1; 16x16 16 colours, 1 plane, 4 bpp, 296 bytes, icon 2; ",
              GroupEntries(program));
    EXPECT_EQ("32x32 16 colours, 1 plane, 4 bpp, 744 bytes, icon 3; ", GroupEntries(about));
}

// Reads an extended dialog template into lines that say what a person would check.
class TemplateReader {
public:
    explicit TemplateReader(const std::uint8_t* bytes) : at(bytes) {}

    std::vector<std::string> Read()
    {
        std::vector<std::string> lines;
        const unsigned version = Word(), signature = Word();
        lines.push_back("version " + std::to_string(version) + ", signature " + HexDword(signature));
        const DWORD help = Dword(), exStyle = Dword(), style = Dword();
        const int count = Word();
        const std::string rect = Rect();
        lines.push_back("help " + std::to_string(help) + ", exstyle " + HexDword(exStyle) + ", style " + HexDword(style) + ", " + rect);
        const std::string menu = NameOrOrdinal(), windowClass = ClassName(), caption = Text();
        lines.push_back("menu '" + menu + "', class '" + windowClass + "', caption '" + caption + "'");
        if (style & DS_SETFONT) {
            const unsigned points = Word(), weight = Word(), italic = *at++, charset = *at++;
            lines.push_back("font '" + Text() + "' " + std::to_string(points) + " pt, weight " + std::to_string(weight) +
                            ", italic " + std::to_string(italic) + ", charset " + std::to_string(charset));
        }
        for (int i = 0; i < count; ++i)
            lines.push_back(Control());
        return lines;
    }

private:
    std::string Control()
    {
        Align();
        const DWORD help = Dword(), exStyle = Dword(), style = Dword();
        const std::string rect = Rect();
        const int id = static_cast<int>(Dword());
        const std::string windowClass = ClassName();
        const std::string text = NameOrOrdinal();
        const unsigned extra = Word();
        at += extra;
        return "control " + std::to_string(id) + " " + windowClass + " '" + text + "' style " + HexDword(style) +
               ", exstyle " + HexDword(exStyle) + ", help " + std::to_string(help) + ", " + rect;
    }

    // Class names match without regard to case; predefined ones may be ordinals.
    std::string ClassName()
    {
        static const std::map<std::string, std::string> predefined = {
            {"#128", "BUTTON"}, {"#129", "EDIT"}, {"#130", "STATIC"}, {"#131", "LISTBOX"}};
        std::string name = NameOrOrdinal();
        if (predefined.count(name))
            name = predefined.at(name);
        CharUpperA(name.data());
        return name;
    }

    unsigned Word()
    {
        const unsigned value = at[0] | at[1] << 8;
        at += 2;
        return value;
    }
    DWORD Dword()
    {
        const DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    int Short() { return static_cast<short>(Word()); }
    std::string Rect()
    {
        const int x = Short(), y = Short(), cx = Short(), cy = Short();
        return std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(cx) + " x " + std::to_string(cy);
    }
    // A zero-terminated UTF-16 text, given back in UTF-8 for readable messages.
    std::string Text()
    {
        std::wstring wide;
        for (unsigned c = Word(); c != 0; c = Word())
            wide.push_back(static_cast<wchar_t>(c));
        char utf8[512] = "";
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
        return utf8;
    }
    std::string NameOrOrdinal()
    {
        const unsigned first = at[0] | at[1] << 8;
        if (first == 0xFFFF) {
            at += 2;
            return "#" + std::to_string(Word());
        }
        return Text();
    }
    void Align()
    {
        while (reinterpret_cast<std::uintptr_t>(at) % 4 != 0)
            ++at;
    }
    const std::uint8_t* at;
};

std::string Utf8(const char* gbkOrAscii)
{
    wchar_t wide[256];
    MultiByteToWideChar(936, 0, gbkOrAscii, -1, wide, 256);
    char utf8[512];
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

std::vector<std::string> ExpectedTemplate(DWORD style, const char* rect, const char* windowClass, const char* caption,
                                          const std::vector<std::string>& controls)
{
    std::vector<std::string> lines = {
        "version 1, signature 0x0000FFFF",
        "help 0, exstyle 0x00000000, style " + HexDword(style) + ", " + rect,
        std::string("menu '', class '") + windowClass + "', caption '" + caption + "'",
        "font 'MS Shell Dlg' 8 pt, weight 400, italic 0, charset 1",
    };
    lines.insert(lines.end(), controls.begin(), controls.end());
    return lines;
}

std::string ControlLine(int id, const char* windowClass, const char* text, DWORD style, const char* rect)
{
    return "control " + std::to_string(id) + " " + windowClass + " '" + Utf8(text) + "' style " + HexDword(style) +
           ", exstyle 0x00000000, help 0, " + rect;
}

std::vector<std::string> ReadTemplate(LPCSTR name)
{
    const std::uint8_t* bytes = Bytes(GetModuleHandleA(nullptr), Id(5), name);
    if (!bytes)
        return {"no template " + ResourceName(name)};
    return TemplateReader(bytes).Read();
}

const DWORD Child = WS_CHILD | WS_VISIBLE;
const DWORD Button = Child | WS_TABSTOP | BS_PUSHBUTTON;
const DWORD DefaultButton = Child | WS_TABSTOP | BS_DEFPUSHBUTTON;
const DWORD InfoStyle = WS_POPUP | WS_BORDER | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS;
const DWORD CardField = Child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;

TEST(Resources, MainTemplateIsLaidOutAsDesigned)
{
    const DWORD list = Child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL;
    EXPECT_EQ(ExpectedTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, "-1, -1, 258 x 199", "VLX", "Veltro",
                               {
                                   ControlLine(1001, "LISTBOX", "", list, "140, 7, 111 x 85"),
                                   ControlLine(1002, "BUTTON", "提交", Button | WS_DISABLED, "7, 158, 116 x 18"),
                                   ControlLine(1003, "BUTTON", "自定义牌面", Button, "139, 114, 112 x 18"),
                                   ControlLine(1004, "BUTTON", "显示结果", Button, "139, 92, 112 x 18"),
                                   ControlLine(1005, "BUTTON", "发牌", Button, "140, 136, 111 x 18"),
                                   ControlLine(1006, "BUTTON", "关闭", Button, "139, 158, 112 x 18"),
                                   ControlLine(1007, "EDIT", "", Child | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, "7, 177, 244 x 15"),
                                   ControlLine(-1, "STATIC", "在此输入结果", Child | WS_GROUP | SS_LEFT, "22, 121, 61 x 10"),
                                   ControlLine(1008, "EDIT", "", Child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, "7, 133, 116 x 18"),
                               }),
              ReadTemplate("VLX"));
}

TEST(Resources, HelpAndAboutTemplatesAreLaidOutAsDesigned)
{
    EXPECT_EQ(ExpectedTemplate(InfoStyle, "40, 40, 186 x 90", "", "",
                               {
                                   ControlLine(IDOK, "BUTTON", "确定", DefaultButton, "67, 69, 50 x 14"),
                                   ControlLine(-1, "STATIC", "一个简单的Veltro,相信不用什么说明便可上手,需要指出的是底部不断变化的数字代表本轮所用时间,单位是秒",
                                               Child | WS_GROUP | SS_LEFT, "40, 22, 112 x 36"),
                               }),
              ReadTemplate("HELP"));
    EXPECT_EQ(ExpectedTemplate(InfoStyle, "40, 40, 190 x 91", "", "",
                               {
                                   ControlLine(IDOK, "BUTTON", "确定", Button, "77, 70, 50 x 14"),
                                   ControlLine(-1, "STATIC", "Veltro", Child | WS_GROUP | SS_CENTER, "57, 15, 104 x 14"),
                                   ControlLine(-1, "STATIC", "如果你喜欢这个软件，请告诉我，veltro@example.org，谢谢支持！",
                                               Child | WS_GROUP | SS_CENTER, "39, 41, 132 x 17"),
                                   ControlLine(-1, "STATIC", "#136", Child | SS_ICON, "7, 6, 21 x 20"),
                               }),
              ReadTemplate("ABOUT"));
}

TEST(Resources, CustomHandAndVerdictTemplatesAreLaidOutAsDesigned)
{
    EXPECT_EQ(ExpectedTemplate(WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS, "251, 114, 68 x 94", "", "",
                               {
                                   ControlLine(1013, "EDIT", "", CardField, "7, 7, 54 x 15"),
                                   ControlLine(1014, "EDIT", "", CardField, "7, 23, 54 x 15"),
                                   ControlLine(1015, "EDIT", "", CardField, "7, 38, 54 x 15"),
                                   ControlLine(1016, "EDIT", "", CardField, "7, 54, 54 x 15"),
                                   ControlLine(IDOK, "BUTTON", "确定", DefaultButton, "7, 71, 23 x 15"),
                                   ControlLine(IDCANCEL, "BUTTON", "取消", Button, "38, 71, 23 x 15"),
                               }),
              ReadTemplate(Id(IDD_CUSTOM_HAND)));
    EXPECT_EQ(ExpectedTemplate(WS_POPUP | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS, "40, 60, 186 x 90", "", "",
                               {
                                   ControlLine(1015, "STATIC", "恭喜你!", Child | WS_GROUP | SS_CENTER, "43, 25, 98 x 11"),
                                   ControlLine(1016, "STATIC", "即将开始下一题目...", Child | WS_GROUP | SS_CENTER, "7, 42, 172 x 11"),
                                   ControlLine(1014, "MSCTLS_PROGRESS32", "", Child | WS_BORDER | PBS_SMOOTH, "49, 57, 92 x 13"),
                               }),
              ReadTemplate(Id(IDD_VERDICT)));
}

}  // namespace
