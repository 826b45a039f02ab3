// The built program as Windows' loader sees it: its resources, what it imports, and
// how it ends when its window cannot be made.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "ui/res/resource.h"

namespace {

using Inventory = std::map<std::string, DWORD>;  // "type name" (with a language other than 2052) -> bytes

std::string Name(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string(name);
}

// Templates and the manifest vary in size with their texts; what they do is tested on screen.
BOOL CALLBACK AddLanguage(HMODULE module, LPCSTR type, LPCSTR name, WORD language, LONG_PTR inventory)
{
    const std::string key = Name(type) + " " + Name(name) + (language == 2052 ? "" : " " + std::to_string(language));
    HRSRC found = FindResourceExA(module, type, name, language);
    const bool sized = type != RT_DIALOG && type != RT_MANIFEST;
    (*reinterpret_cast<Inventory*>(inventory))[key] = sized ? SizeofResource(module, found) : 0;
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

// The name a resource compiler stores: in capitals.
std::string Stored(std::string name)
{
    CharUpperA(name.data());
    return name;
}

// Types 2 bitmap, 3 icon, 5 dialog, 14 group icon, 24 manifest, all in Chinese (2052); nothing else.
TEST(Resources, TheProgramHoldsTheInventory)
{
    const auto named = [](int id) { return Name(MAKEINTRESOURCEA(id)); };
    Inventory expected = {{"#5 " + Stored(RESOURCE_NAME(IDD_MAIN)), 0}, {"#5 " + Stored(RESOURCE_NAME(IDD_HELP)), 0},
                          {"#5 " + Stored(RESOURCE_NAME(IDD_ABOUT)), 0}, {"#5 " + named(IDD_CUSTOM_HAND), 0},
                          {"#5 " + named(IDD_VERDICT), 0}, {"#3 #1", 744}, {"#3 #2", 296}, {"#3 #3", 744},
                          {"#14 " + named(IDI_VELTRO), 6 + 2 * 14}, {"#14 " + named(IDI_ABOUT), 6 + 14},
                          {"#24 #1", 0}};
    for (int id = IDB_CARD_1; id <= IDB_CARD_13; ++id)
        expected["#2 " + named(id)] = 7464;
    Inventory inventory;
    HMODULE program = LoadLibraryExA(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);  // the shipped program, read as data
    ASSERT_NE(nullptr, program) << ExePath();
    EnumResourceTypesA(program, AddType, reinterpret_cast<LONG_PTR>(&inventory));
    FreeLibrary(program);
    EXPECT_EQ(expected, inventory);
}

// The machine of the build: the 32-bit program beside the 64-bit one is the same test.
TEST(VeltroExe, IsAGuiProgramForItsMachineThatNeedsOnlyWindowsOwnDlls)
{
    HMODULE module = LoadLibraryExA(ExePath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(nullptr, module) << ExePath();
    const auto base = reinterpret_cast<const std::uint8_t*>(module);
    const auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    EXPECT_EQ(sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386, nt->FileHeader.Machine);
    EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, nt->OptionalHeader.Subsystem);
    // Windows' own DLLs, and among them comctl32, which the progress bar's class comes from.
    std::set<std::string> imported;
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); entry->Name; ++entry) {
        std::string name(reinterpret_cast<const char*>(base + entry->Name));
        CharUpperA(name.data());
        imported.insert(name);
    }
    EXPECT_EQ((std::set<std::string>{"COMCTL32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "USER32.DLL"}), imported);
    FreeLibrary(module);
}

// A copy of the program whose window's template names a class no one registers, so that CreateDialog
// fails: it must end, and say it failed, rather than wait for a window that never comes. (Wine's
// resource update cannot delete the template: it puts the old one back.)
TEST(VeltroExe, EndsWithStatus1WhenItsWindowCannotBeMade)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string copy = folder + std::string("veltro-no-window-") + std::to_string(GetCurrentProcessId()) + ".exe";
    ASSERT_TRUE(CopyFileA(ExePath().c_str(), copy.c_str(), FALSE)) << copy;
    // DLGTEMPLATE: style, extended style, no controls, x, y, cx, cy, no menu, then the class.
    std::vector<WORD> unmakeable = {LOWORD(WS_POPUP), HIWORD(WS_POPUP), 0, 0, 0, 0, 0, 0, 0, 0};
    for (wchar_t c : L"unregistered")  // with its terminator
        unmakeable.push_back(static_cast<WORD>(c));
    unmakeable.push_back(0);  // no title
    HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
    ASSERT_TRUE(update &&
                UpdateResourceA(update, RT_DIALOG, Stored(RESOURCE_NAME(IDD_MAIN)).c_str(), 2052, unmakeable.data(),
                                static_cast<DWORD>(unmakeable.size() * sizeof(WORD))) &&
                EndUpdateResourceA(update, FALSE)) << "the template not replaced in " << copy;
    HANDLE process = StartProgram(copy);
    ASSERT_NE(nullptr, process) << "cannot start " << copy;
    const long status = WaitForProgramEnd(process, 20000);
    DeleteFileA(copy.c_str());
    EXPECT_EQ(1, status) << "the exit status of a program whose window could not be made (-1: still running 20 s on)";
}

}  // namespace
