#include "ui/dealing.h"

#include <windows.h>

namespace {

int SystemMilliseconds()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    return now.wMilliseconds;
}

void SleepMilliseconds(int milliseconds)
{
    Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace

void DealHand(Hand& hand)
{
    DealHand(hand, {SystemMilliseconds, SleepMilliseconds});
}
