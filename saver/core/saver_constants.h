#pragma once
// The values the three list settings take, and the limits of the saver's 256-entry palette.
// The dialog's list position is the value, so these numbers are what the profile file holds.
namespace verdant {

// PlantType.
enum PlantKind : int {
  kGardenFerns = 0,
  kFloweringBushes = 1,
  kForestTrees = 2,
  kSmallTrees = 3,
  kRandomPlant = 4,  // a kind drawn for each plant
};
inline constexpr int kPlantTypes = 5;

// ColorChoice. "Cycle" is held in memory as CycleColors, never as 8 (but in the dialog).
enum ColorScheme : int {
  kGrays = 0,
  kBlues = 1,
  kCyans = 2,
  kGreens = 3,
  kYellows = 4,
  kReds = 5,
  kMagentas = 6,
  kRainbow = 7,
  kCycle = 8,
  kPastel = 9,
};
inline constexpr int kColorSchemes = 10;
// "Cycle" steps through Grays to Magentas, which share one palette layout.
inline constexpr int kCycledSchemes = kRainbow;

// BkgndTone; any other value is taken as black.
enum BackgroundTone : int {
  kBlackTone = 0,
  kRedTone = 1,
  kYellowTone = 2,
  kGreenTone = 3,
  kCyanTone = 4,
  kBlueTone = 5,
  kMagentaTone = 6,
  kBlueGreenTone = 7,
  kGreenRedTone = 8,
  kRedBlueTone = 9,
  kAllColorsTone = 10,
};
inline constexpr int kBackgroundTones = 11;

// Entry 0 is black; plant colours run from 1 up to the background range, which ends at 235;
// the last 20 entries stay black.
inline constexpr int kPaletteSize = 256;
inline constexpr int kPaletteTailReserve = 20;
inline constexpr int kBackgroundLast = kPaletteSize - kPaletteTailReserve - 1;  // 235
inline constexpr int kBackgroundFirst = 209;
inline constexpr int kRainbowBackgroundFirst = 201;  // "Rainbow" has more plant colours

// The first background entry of a scheme's palette: where its plant colours stop.
constexpr int BackgroundFirstOf(int color_scheme) {
  return color_scheme == kRainbow ? kRainbowBackgroundFirst : kBackgroundFirst;
}

}  // namespace verdant
