#include "ui/dealing.h"

#include <windows.h>

namespace Dealing {

std::uint32_t randState = 1;

int rand()
{
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7FFF);
}

}  // namespace Dealing

int NextDealSleep()
{
    return Dealing::rand() % 14;
}

int CardValueOfMilliseconds(int milliseconds)
{
    return milliseconds % 13 + 1;
}

int RandomTick()
{
    SYSTEMTIME now;
    GetSystemTime(&now);
    Sleep(static_cast<DWORD>(NextDealSleep()));
    return now.wMilliseconds;
}

void DealHand(Hand& hand)
{
    for (std::int32_t& card : hand)
        card = CardValueOfMilliseconds(RandomTick());
}
