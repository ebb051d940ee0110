// The drawers, one per group of pictures. Each writes its files through the AssetOutput and
// registers itself, so that the generator runs every group that was linked in.
#pragma once

#include "AssetOutput.h"

#include <map>
#include <string>

namespace assetgen {

using Drawer = void (*)(AssetOutput& out);

// Groups by name; the generator runs them in the order of kAllGroups.
std::map<std::string, Drawer>& drawers();

struct DrawerRegistration {
    DrawerRegistration(const std::string& group, Drawer drawer) { drawers()[group] = drawer; }
};

// The groups:
//   "calculator": Form1 Image1-Image11 and the glyphs of BitBtn1 and BitBtn2
//   "icon":       MAINICON.ico, 128, 96, 64, 48 and 32 px, 32 bits per pixel with alpha
//   "sheets":     Form3 engineering drawing sheets of slides 1-6 (Image1, Image3-Image7)
//   "photos":     Form3 slides 7-10 (Image8-Image11), rendered scenes that take a while
//   "resume":     Form3 background Image2, contact band Image12, industries panel Image13 and the
//                 glyphs of BitBtn1 and BitBtn2
//   "installer":  the Windows installer's wizard picture (164 x 314) and header picture
//                 (150 x 57), which the program itself does not carry
// The pictures shown unscaled ("calculator" and "resume") are drawn twice: at the designed size
// and, for high-density screens, at twice the pixels ("Form1/Image9@2x.png").
inline constexpr const char* kAllGroups[] = {"calculator", "icon",   "sheets",
                                             "photos",     "resume", "installer"};

} // namespace assetgen
