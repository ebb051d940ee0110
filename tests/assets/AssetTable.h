// Every file the program embeds, with the layout each must have. A picture shown unscaled also
// comes drawn at twice the pixels for high-density screens, "Form1/Image9@2x.png" beside
// "Form1/Image9.bmp": the same drawing, and for keyed pictures the same key.
#pragma once

#include "BitmapFile.h"

#include <array>
#include <optional>

enum class AssetKind { Bitmap, Png, Jpeg, Icon };

// A keyed picture: its bottom-left pixel's colour is made see-through wherever it appears.
struct KeyExpectation {
    Rgb colour;
    int tolerance;   // per channel: the program takes whatever the bottom-left pixel holds
    double minShare; // of the picture that is see-through
    double maxShare;
    bool holes; // lettering or cut-outs let the backdrop through inside the content
};

struct Asset {
    const char* path;
    AssetKind kind;
    int width;
    int height;
    std::optional<KeyExpectation> key;
};

inline constexpr Rgb kBlack{0x00, 0x00, 0x00};
inline constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Rgb kCyan{0x00, 0xFF, 0xFF};
// The contact band and industries panel are composed over the résumé window's navy, so their
// edges blend into it; any navy key serves.
inline constexpr Rgb kNavy{0x00, 0x00, 0x80};
inline constexpr int kNavyTolerance = 0x20;

inline constexpr KeyExpectation kPipeDiagram{kBlack, 0, 0.45, 0.80, false};
inline constexpr KeyExpectation kEmblem{kWhite, 0, 0.20, 0.55, true};
inline constexpr KeyExpectation kNameBanner{kCyan, 0, 0.35, 0.75, true};
inline constexpr KeyExpectation kButtonGlyph{kWhite, 0, 0.15, 0.60, false};
inline constexpr KeyExpectation kLetteringOnNavy{kNavy, kNavyTolerance, 0.65, 0.95, true};

// Largest first, as the icon lists them.
inline constexpr std::array kIconSizes{128, 96, 64, 48, 32};

inline constexpr Asset kAssets[] = {
    {"Form1/Image1.bmp", AssetKind::Bitmap, 55, 55, std::nullopt},
    {"Form1/Image2.bmp", AssetKind::Bitmap, 55, 55, std::nullopt},
    {"Form1/Image3.bmp", AssetKind::Bitmap, 55, 55, std::nullopt},
    {"Form1/Image4.bmp", AssetKind::Bitmap, 55, 55, std::nullopt},
    {"Form1/Image5.bmp", AssetKind::Bitmap, 273, 145, kPipeDiagram},
    {"Form1/Image6.bmp", AssetKind::Bitmap, 273, 145, kPipeDiagram},
    {"Form1/Image7.bmp", AssetKind::Bitmap, 273, 145, kPipeDiagram},
    {"Form1/Image8.bmp", AssetKind::Bitmap, 273, 145, kPipeDiagram},
    {"Form1/Image9.bmp", AssetKind::Bitmap, 384, 376, std::nullopt},
    {"Form1/Image10.bmp", AssetKind::Bitmap, 48, 48, kEmblem},
    {"Form1/Image11.bmp", AssetKind::Bitmap, 239, 30, kNameBanner},
    {"Form1/BitBtn1.bmp", AssetKind::Bitmap, 32, 32, kButtonGlyph},
    {"Form1/BitBtn2.bmp", AssetKind::Bitmap, 34, 34, kButtonGlyph},
    {"Form3/Image1.jpg", AssetKind::Jpeg, 609, 429, std::nullopt},
    {"Form3/Image2.jpg", AssetKind::Jpeg, 684, 459, std::nullopt},
    {"Form3/Image3.jpg", AssetKind::Jpeg, 555, 392, std::nullopt},
    {"Form3/Image4.jpg", AssetKind::Jpeg, 552, 389, std::nullopt},
    {"Form3/Image5.jpg", AssetKind::Jpeg, 551, 387, std::nullopt},
    {"Form3/Image6.jpg", AssetKind::Jpeg, 619, 438, std::nullopt},
    {"Form3/Image7.jpg", AssetKind::Jpeg, 493, 346, std::nullopt},
    {"Form3/Image8.jpg", AssetKind::Jpeg, 486, 363, std::nullopt},
    {"Form3/Image9.jpg", AssetKind::Jpeg, 461, 346, std::nullopt},
    {"Form3/Image10.jpg", AssetKind::Jpeg, 471, 353, std::nullopt},
    {"Form3/Image11.jpg", AssetKind::Jpeg, 971, 665, std::nullopt},
    {"Form3/Image12.bmp", AssetKind::Bitmap, 509, 50, kLetteringOnNavy},
    {"Form3/Image13.bmp", AssetKind::Bitmap, 112, 182, kLetteringOnNavy},
    {"Form3/BitBtn1.bmp", AssetKind::Bitmap, 38, 39, kButtonGlyph},
    {"Form3/BitBtn2.bmp", AssetKind::Bitmap, 38, 39, kButtonGlyph},
    {"Form1/Image1@2x.png", AssetKind::Png, 110, 110, std::nullopt},
    {"Form1/Image2@2x.png", AssetKind::Png, 110, 110, std::nullopt},
    {"Form1/Image3@2x.png", AssetKind::Png, 110, 110, std::nullopt},
    {"Form1/Image4@2x.png", AssetKind::Png, 110, 110, std::nullopt},
    {"Form1/Image5@2x.png", AssetKind::Png, 546, 290, kPipeDiagram},
    {"Form1/Image6@2x.png", AssetKind::Png, 546, 290, kPipeDiagram},
    {"Form1/Image7@2x.png", AssetKind::Png, 546, 290, kPipeDiagram},
    {"Form1/Image8@2x.png", AssetKind::Png, 546, 290, kPipeDiagram},
    {"Form1/Image9@2x.png", AssetKind::Png, 768, 752, std::nullopt},
    {"Form1/Image10@2x.png", AssetKind::Png, 96, 96, kEmblem},
    {"Form1/Image11@2x.png", AssetKind::Png, 478, 60, kNameBanner},
    {"Form1/BitBtn1@2x.png", AssetKind::Png, 64, 64, kButtonGlyph},
    {"Form1/BitBtn2@2x.png", AssetKind::Png, 68, 68, kButtonGlyph},
    {"Form3/Image2@2x.jpg", AssetKind::Jpeg, 1368, 918, std::nullopt},
    {"Form3/Image12@2x.png", AssetKind::Png, 1018, 100, kLetteringOnNavy},
    {"Form3/Image13@2x.png", AssetKind::Png, 224, 364, kLetteringOnNavy},
    {"Form3/BitBtn1@2x.png", AssetKind::Png, 76, 78, kButtonGlyph},
    {"Form3/BitBtn2@2x.png", AssetKind::Png, 76, 78, kButtonGlyph},
    {"MAINICON.ico", AssetKind::Icon, kIconSizes.front(), kIconSizes.front(), std::nullopt},
};

// The Windows installer's pictures, beside its welcome and finish pages and in its header: kept
// with the program's pictures but not embedded in the program. The installer reads bitmaps of
// the layout the program's own have and no other.
inline constexpr Asset kInstallerPictures[] = {
    {"Installer/Wizard.bmp", AssetKind::Bitmap, 164, 314, std::nullopt},
    {"Installer/Header.bmp", AssetKind::Bitmap, 150, 57, std::nullopt},
};

// The Windows program file's icon: MAINICON.ico's images as PNG, carried as the file's own
// resource, not embedded for the windows.
inline constexpr Asset kProgramFileIcon{"Windows/MAINICON.ico", AssetKind::Icon, kIconSizes.front(),
                                        kIconSizes.front(), std::nullopt};
