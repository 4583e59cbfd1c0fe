// The complete contents of the game's res folder, written in one go.
#pragma once

#include <filesystem>

namespace marlquin::assetgen {

// Writes every picture and sound into folder (created if needed), overwriting what is there.
void WriteAssetSet(const std::filesystem::path& folder);

}  // namespace marlquin::assetgen
