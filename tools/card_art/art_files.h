#pragma once
// The files the generator draws, as paths from the top of the source tree: the card
// faces and icons of the resource script (named as it names them), the desktop's
// icons that the Debian package installs, and the web page's icons and faces.

#include <string>
#include <vector>

#include "ui/res/resource.h"

inline std::string ResourceFile(const std::string& name)
{
    return "ui/res/" + name;
}

// The face of a card value, 1 to 13.
inline std::string CardFaceFile(int value)
{
    static const char* const files[] = {
        CARD_FACE_FILE(01), CARD_FACE_FILE(02), CARD_FACE_FILE(03), CARD_FACE_FILE(04), CARD_FACE_FILE(05),
        CARD_FACE_FILE(06), CARD_FACE_FILE(07), CARD_FACE_FILE(08), CARD_FACE_FILE(09), CARD_FACE_FILE(10),
        CARD_FACE_FILE(11), CARD_FACE_FILE(12), CARD_FACE_FILE(13)};
    return files[value - 1];
}

// The sizes a desktop's icon theme (hicolor) has folders for, and the scalable icon's
// grid; packaging/CMakeLists.txt installs each file into its folder.
constexpr int DesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
constexpr int ScalableIconSize = 512;
inline std::string DesktopIconFile(int size)
{
    return "packaging/icons/veltro-" + std::to_string(size) + ".png";
}
const std::string ScalableIconFile = "packaging/icons/veltro.svg";

// The web page's: its icons as its manifest names them, and a face a value.
constexpr int WebIconSizes[] = {192, 512};
constexpr int WebMaskableIconSize = 512;
inline std::string WebIconFile(int size)
{
    return "web/site/icons/icon-" + std::to_string(size) + ".png";
}
const std::string WebMaskableIconFile = "web/site/icons/icon-maskable-512.png";
const std::string WebScalableIconFile = "web/site/icons/icon.svg";
inline std::string WebFaceFile(int value)
{
    return "web/site/faces/" + std::to_string(value) + ".svg";
}

// Every file it draws.
inline std::vector<std::string> ArtFiles()
{
    std::vector<std::string> files;
    for (int value = 1; value <= 13; ++value) {
        files.push_back(ResourceFile(CardFaceFile(value)));
        files.push_back(WebFaceFile(value));
    }
    files.push_back(ResourceFile(VELTRO_ICON_FILE));
    files.push_back(ResourceFile(ABOUT_ICON_FILE));
    for (int size : DesktopIconSizes)
        files.push_back(DesktopIconFile(size));
    files.push_back(ScalableIconFile);
    for (int size : WebIconSizes)
        files.push_back(WebIconFile(size));
    files.push_back(WebMaskableIconFile);
    files.push_back(WebScalableIconFile);
    return files;
}
