// Reads the resources back out of the built program, as Windows' loader will see
// them: every type, name, language and size, and the dialog templates field by field.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Inventory = std::map<std::string, DWORD>;  // "type name" (with a language other than 2052) -> bytes

std::string Name(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name);
}

// The templates' sizes vary with their texts; they are read field by field below.
BOOL CALLBACK AddLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR inventory)
{
    const std::string key = Name(type) + " " + Name(name) + (language == 2052 ? "" : " " + std::to_string(language));
    HRSRC found = FindResourceExA(module, type, name, language);
    (*reinterpret_cast<Inventory*>(inventory))[key] = type == RT_DIALOG ? 0 : SizeofResource(module, found);
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR inventory)
{
    return EnumResourceLanguagesA(module, type, name, AddLanguage, inventory);
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR inventory)
{
    return EnumResourceNamesA(module, type, AddName, inventory);
}

std::string ExePath()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string tests(path);
    return tests.substr(0, tests.find_last_of("\\/") + 1) + VELTRO_EXE_NAME;  // built beside the tests
}

// The shipped program, read as data.
HMODULE Program()
{
    static const HMODULE program = LoadLibraryExA(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return program;
}

// Types 2 bitmap, 3 icon, 5 dialog, 14 group icon, all in Chinese (2052); nothing else.
TEST(Resources, TheProgramHoldsTheInventory)
{
    Inventory expected = {{"#5 ABOUT", 0}, {"#5 HELP", 0}, {"#5 VLX", 0}, {"#5 #131", 0},        {"#5 #133", 0},
                          {"#3 #1", 744},  {"#3 #2", 296}, {"#3 #3", 744}, {"#14 #134", 6 + 2 * 14}, {"#14 #136", 6 + 14}};
    for (int id = 104; id <= 116; ++id)
        expected["#2 #" + std::to_string(id)] = 7464;
    Inventory inventory;
    ASSERT_NE(nullptr, Program()) << ExePath();
    EnumResourceTypesA(Program(), AddType, reinterpret_cast<LONG_PTR>(&inventory));
    EXPECT_EQ(expected, inventory);
}

TEST(VeltroExe, IsA64BitGuiProgramThatNeedsOnlyWindowsOwnDlls)
{
    HMODULE module = LoadLibraryExA(ExePath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(nullptr, module) << ExePath();
    const auto base = reinterpret_cast<const std::uint8_t*>(module);
    const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    EXPECT_EQ(IMAGE_FILE_MACHINE_AMD64, nt->FileHeader.Machine);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, nt->OptionalHeader.Subsystem);
    std::set<std::string> imported;
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); entry->Name; ++entry) {
        std::string name(reinterpret_cast<const char*>(base + entry->Name));
        CharUpperA(name.data());
        imported.insert(name);
    }
    const std::set<std::string> windowsOwn = {"COMCTL32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "USER32.DLL"};
    std::set<std::string> others;
    for (const std::string& name : imported)
        if (windowsOwn.count(name) == 0)
            others.insert(name);
    EXPECT_EQ(std::set<std::string>{}, others) << "DLLs that do not come with Windows";
    EXPECT_EQ(1u, imported.count("COMCTL32.DLL")) << "the progress bar's class comes from comctl32";
    FreeLibrary(module);
}

std::string Hex(DWORD value)
{
    char text[16];
    wsprintfA(text, "0x%08lX", value);
    return text;
}

// Reads an extended dialog template into lines that say what a person would check.
class TemplateReader {
public:
    explicit TemplateReader(const std::uint8_t* bytes) : at_(bytes) {}

    // Each "<<" reads its field in turn: the left operand is evaluated first.
    std::vector<std::string> Read()
    {
        std::ostringstream head, style, names, font;
        head << "version " << Word() << ", signature " << Hex(Word()) << ", help " << Dword() << ", exstyle "
             << Hex(Dword());
        const DWORD dialogStyle = Dword();
        const unsigned count = Word();
        style << "style " << Hex(dialogStyle) << ", " << Rect();
        names << "menu '" << NameOrOrdinal() << "', class '" << Class() << "', caption '" << Text() << "'";
        std::vector<std::string> lines = {head.str(), style.str(), names.str()};
        if (dialogStyle & DS_SETFONT) {
            font << Word() << " pt, weight " << Word() << ", italic " << Byte() << ", charset " << Byte()
                 << ", '" << Text() << "'";
            lines.push_back(font.str());
        }
        for (unsigned i = 0; i < count; ++i) {
            while (reinterpret_cast<std::uintptr_t>(at_) % 4 != 0)
                ++at_;
            std::ostringstream control;
            control << "help " << Dword() << ", exstyle " << Hex(Dword()) << ", style " << Hex(Dword()) << ", "
                    << Rect() << ", id " << static_cast<int>(Dword()) << ", " << Class() << " '" << NameOrOrdinal()
                    << "'";
            at_ += Word();  // creation data
            lines.push_back(control.str());
        }
        return lines;
    }

private:
    unsigned Byte() { return *at_++; }
    unsigned Word()
    {
        at_ += 2;
        return at_[-2] | at_[-1] << 8;
    }
    DWORD Dword()
    {
        const DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    std::string Rect()
    {
        std::string rect;
        for (const char* separator : {", ", ", ", " x ", ""})
            rect += std::to_string(static_cast<short>(Word())) + separator;
        return rect;
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
        if ((at_[0] | at_[1] << 8) != 0xFFFF)
            return Text();
        at_ += 2;
        return "#" + std::to_string(Word());
    }
    // Class names match without regard to case; predefined ones may be ordinals.
    std::string Class()
    {
        static const std::map<std::string, std::string> predefined = {
            {"#128", "BUTTON"}, {"#129", "EDIT"}, {"#130", "STATIC"}, {"#131", "LISTBOX"}};
        std::string name = NameOrOrdinal();
        name = predefined.count(name) ? predefined.at(name) : name;
        CharUpperA(name.data());
        return name;
    }

    const std::uint8_t* at_;
};

std::vector<std::string> ReadTemplate(LPCSTR name)
{
    HRSRC found = FindResourceExA(Program(), RT_DIALOG, name, 2052);
    const auto bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(Program(), found)));
    return found ? TemplateReader(bytes).Read() : std::vector<std::string>{"no template"};
}

// Every template: DIALOGEX, help 0, exstyle 0, no menu, 8 pt "MS Shell Dlg".
std::vector<std::string> Template(DWORD style, const char* rect, const char* windowClass, const char* caption,
                                  const std::vector<std::string>& controls)
{
    std::vector<std::string> lines = {
        "version 1, signature 0x0000FFFF, help 0, exstyle 0x00000000", "style " + Hex(style) + ", " + rect,
        std::string("menu '', class '") + windowClass + "', caption '" + caption + "'",
        "8 pt, weight 400, italic 0, charset 1, 'MS Shell Dlg'"};
    lines.insert(lines.end(), controls.begin(), controls.end());
    return lines;
}

// The text in UTF-8, as written in the resource script.
std::string Control(int id, const char* windowClass, const char* utf8, DWORD style, const char* rect)
{
    return "help 0, exstyle 0x00000000, style " + Hex(style) + ", " + rect + ", id " + std::to_string(id) + ", " +
           windowClass + " '" + utf8 + "'";
}

const DWORD Child = WS_CHILD | WS_VISIBLE;
const DWORD Button = Child | WS_TABSTOP | BS_PUSHBUTTON;
const DWORD DefaultButton = Child | WS_TABSTOP | BS_DEFPUSHBUTTON;
const DWORD Label = Child | WS_GROUP;
const DWORD InfoStyle = WS_POPUP | WS_BORDER | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS;
const DWORD CardField = Child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_CENTER;

TEST(Resources, MainTemplateHoldsItsControlsInPlace)
{
    const DWORD list = Child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_EXTENDEDSEL;
    const DWORD edit = Child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    EXPECT_EQ(Template(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT, "-1, -1, 258 x 199", "VLX", "Veltro",
                       {Control(1001, "LISTBOX", "", list, "140, 7, 111 x 85"),
                        Control(1002, "BUTTON", u8"提交", Button | WS_DISABLED, "7, 158, 116 x 18"),
                        Control(1003, "BUTTON", u8"自定义牌面", Button, "139, 114, 112 x 18"),
                        Control(1004, "BUTTON", u8"显示结果", Button, "139, 92, 112 x 18"),
                        Control(1005, "BUTTON", u8"发牌", Button, "140, 136, 111 x 18"),
                        Control(1006, "BUTTON", u8"关闭", Button, "139, 158, 112 x 18"),
                        Control(1007, "EDIT", "", edit | ES_READONLY, "7, 177, 244 x 15"),
                        Control(-1, "STATIC", u8"在此输入结果", Label | SS_LEFT, "22, 121, 61 x 10"),
                        Control(1008, "EDIT", "", edit, "7, 133, 116 x 18")}),
              ReadTemplate("VLX"));
}

TEST(Resources, HelpAndAboutTemplatesHoldTheirControlsInPlace)
{
    EXPECT_EQ(Template(InfoStyle, "40, 40, 186 x 90", "", "",
                       {Control(IDOK, "BUTTON", u8"确定", DefaultButton, "67, 69, 50 x 14"),
                        Control(-1, "STATIC", u8"一个简单的Veltro,相信不用什么说明便可上手,需要指出的是底部不断变化的数字代表本轮所用时间,单位是秒",
                                Label | SS_LEFT, "40, 22, 112 x 36")}),
              ReadTemplate("HELP"));
    EXPECT_EQ(Template(InfoStyle, "40, 40, 190 x 91", "", "",
                       {Control(IDOK, "BUTTON", u8"确定", Button, "77, 70, 50 x 14"),
                        Control(-1, "STATIC", "Veltro", Label | SS_CENTER, "57, 15, 104 x 14"),
                        Control(-1, "STATIC", u8"如果你喜欢这个软件，请告诉我，veltro@example.org，谢谢支持！", Label | SS_CENTER,
                                "39, 41, 132 x 17"),
                        Control(-1, "STATIC", "#136", Child | SS_ICON, "7, 6, 21 x 20")}),
              ReadTemplate("ABOUT"));
}

TEST(Resources, CustomHandAndVerdictTemplatesHoldTheirControlsInPlace)
{
    EXPECT_EQ(Template(WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS, "251, 114, 68 x 94", "", "",
                       {Control(1013, "EDIT", "", CardField, "7, 7, 54 x 15"),
                        Control(1014, "EDIT", "", CardField, "7, 23, 54 x 15"),
                        Control(1015, "EDIT", "", CardField, "7, 38, 54 x 15"),
                        Control(1016, "EDIT", "", CardField, "7, 54, 54 x 15"),
                        Control(IDOK, "BUTTON", u8"确定", DefaultButton, "7, 71, 23 x 15"),
                        Control(IDCANCEL, "BUTTON", u8"取消", Button, "38, 71, 23 x 15")}),
              ReadTemplate(MAKEINTRESOURCEA(131)));
    EXPECT_EQ(Template(WS_POPUP | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS, "40, 60, 186 x 90", "", "",
                       {Control(1015, "STATIC", u8"恭喜你!", Label | SS_CENTER, "43, 25, 98 x 11"),
                        Control(1016, "STATIC", u8"即将开始下一题目...", Label | SS_CENTER, "7, 42, 172 x 11"),
                        Control(1014, "MSCTLS_PROGRESS32", "", Child | WS_BORDER | PBS_SMOOTH, "49, 57, 92 x 13")}),
              ReadTemplate(MAKEINTRESOURCEA(133)));
}

}  // namespace
