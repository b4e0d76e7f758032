// Start-up of the built-in assets: resources linked in, cabinet font registered.
#pragma once

#include "assets/asset_paths.hpp"

#include <QString>

namespace slot
{

// Call once after the QApplication exists and before any window loads a picture.
void initAssets();

// The family name of the cabinet font, valid after initAssets().
QString cabinetFontFamily();

} // namespace slot
