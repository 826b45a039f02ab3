#include "ui/tests/gdi_objects.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>

namespace {

// One entry of the GDI handle table: 24 bytes in a 64-bit process, 16 in a 32-bit one.
struct GdiHandleEntry {
    void* kernelObject;
    std::uint16_t processId;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint16_t type;
    void* userObject;
};
static_assert(sizeof(GdiHandleEntry) == 2 * sizeof(void*) + 8, "the table's entries hold two pointers");

const int GdiHandleTableSize = 0x10000;
// Where the PEB keeps the table's address.
const size_t PebGdiSharedHandleTable = sizeof(void*) == 8 ? 0xF8 : 0x94;

}  // namespace

int CountGdiObjects()
{
    // Asked of ntdll rather than read through NtCurrentTeb, whose gs-relative read GCC flags as out of bounds.
    PROCESS_BASIC_INFORMATION basic = {};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return -1;
    const PEB* peb = basic.PebBaseAddress;
    const GdiHandleEntry* table;
    const char* field = reinterpret_cast<const char*>(peb) + PebGdiSharedHandleTable;
    std::memcpy(&table, field, sizeof table);
    if (!table)
        return -1;
    // Windows records the owner's id; Wine leaves it 0 in a table of its own.
    const auto ownId = static_cast<std::uint16_t>(GetCurrentProcessId());
    int live = 0;
    for (int i = 0; i < GdiHandleTableSize; ++i)
        if (table[i].type != 0 && (table[i].processId == 0 || table[i].processId == ownId))
            ++live;
    return live;
}
