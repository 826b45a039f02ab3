#pragma once
// The files the generator draws into ui/res, named as the resource script names them.

#include <string>
#include <vector>

#include "ui/res/resource.h"

// The face of a card value, 1 to 13.
inline std::string CardFaceFile(int value)
{
    static const char* const files[] = {
        CARD_FACE_FILE(01), CARD_FACE_FILE(02), CARD_FACE_FILE(03), CARD_FACE_FILE(04), CARD_FACE_FILE(05),
        CARD_FACE_FILE(06), CARD_FACE_FILE(07), CARD_FACE_FILE(08), CARD_FACE_FILE(09), CARD_FACE_FILE(10),
        CARD_FACE_FILE(11), CARD_FACE_FILE(12), CARD_FACE_FILE(13)};
    return files[value - 1];
}

// Every file it draws: the thirteen faces, then the window's icon and the About box's.
inline std::vector<std::string> ArtFiles()
{
    std::vector<std::string> files;
    for (int value = 1; value <= 13; ++value)
        files.push_back(CardFaceFile(value));
    files.push_back(VELTRO_ICON_FILE);
    files.push_back(ABOUT_ICON_FILE);
    return files;
}
