// The committed card faces and icons, the program's, the desktop's and the web page's, are
// what the generator draws, byte for byte (what they show is seen in the screenshots).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/card_art/art_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(CardArtTool, RedrawsTheCommittedFilesExactly)
{
    const std::string scratch = VELTRO_SCRATCH_DIR;
    ASSERT_EQ(0, std::system(("mkdir -p '" + scratch + "' && '" VELTRO_CARD_ART_TOOL "' '" + scratch + "'").c_str()));
    for (const std::string& name : ArtFiles()) {
        const Bytes committed = ReadFile(VELTRO_SOURCE_DIR "/" + name);
        EXPECT_TRUE(!committed.empty() && committed == ReadFile(scratch + "/" + name))
            << name << " differs from what the tool draws now";
    }
}

}  // namespace
