#include "logic/menu_layout.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

const MenuArtSizes kSizes;  // the catalogue's sizes

TEST(MenuLayout, ItemBoxesAreInclusiveAndDoNotTouch) {
  EXPECT_EQ(MenuItemAt(350, 249), MenuItem::NewGame);
  EXPECT_EQ(MenuItemAt(718, 318), MenuItem::NewGame);
  EXPECT_FALSE(MenuItemAt(719, 300).has_value());
  EXPECT_FALSE(MenuItemAt(500, 319).has_value());  // gap between the first two boxes
  EXPECT_EQ(MenuItemAt(349, 335), MenuItem::HighScore);
  EXPECT_EQ(MenuItemAt(716, 482), MenuItem::Info);
  EXPECT_EQ(MenuItemAt(346, 570), MenuItem::Quit);
  EXPECT_FALSE(MenuItemAt(346, 571).has_value());
  EXPECT_FALSE(MenuItemAt(345, 510).has_value());
}

TEST(MenuLayout, SwitchAreasForHoverAndClickDifferOnlyForSpeech) {
  EXPECT_EQ(SwitchHoveredAt(341, 600, kSizes), SoundOption::Music);
  EXPECT_EQ(SwitchClickedAt(373, 630, kSizes), SoundOption::Music);
  EXPECT_FALSE(SwitchClickedAt(374, 610, kSizes).has_value());
  EXPECT_FALSE(SwitchClickedAt(340, 610, kSizes).has_value());
  EXPECT_EQ(SwitchClickedAt(360, 635, kSizes), SoundOption::Effects);
  // 631..634 belongs to the music switch's lower edge until 630, then to nobody.
  EXPECT_FALSE(SwitchClickedAt(360, 632, kSizes).has_value());
  // y 670..674: clicks reach speech, hovering there still reads the effects switch.
  EXPECT_EQ(SwitchClickedAt(360, 671, kSizes), SoundOption::Speech);
  EXPECT_NE(SwitchHoveredAt(360, 671, kSizes), SoundOption::Speech);
  EXPECT_EQ(SwitchHoveredAt(360, 675, kSizes), SoundOption::Speech);
}

TEST(MenuLayout, KnobAreaFollowsEachRowsVolume) {
  const SoundVolumes volumes{43, 70, 0};
  EXPECT_EQ(KnobHoveredAt(381 + 129, 605, volumes, kSizes), SoundOption::Music);
  EXPECT_EQ(KnobHoveredAt(381 + 129 + 31, 621, volumes, kSizes), SoundOption::Music);
  EXPECT_FALSE(KnobHoveredAt(381 + 129 + 32, 610, volumes, kSizes).has_value());
  EXPECT_EQ(KnobHoveredAt(381 + 210, 650, volumes, kSizes), SoundOption::Effects);
  EXPECT_EQ(KnobHoveredAt(381, 680, volumes, kSizes), SoundOption::Speech);
  EXPECT_FALSE(KnobHoveredAt(381, 650, volumes, kSizes).has_value());
}

TEST(MenuLayout, SliderSetsVolumesOnlyWithinTheBar) {
  EXPECT_FALSE(SliderVolumeAt(404, kSizes).has_value());
  EXPECT_EQ(SliderVolumeAt(405, kSizes), 0);
  EXPECT_EQ(SliderVolumeAt(407, kSizes), 0);
  EXPECT_EQ(SliderVolumeAt(408, kSizes), 1);
  EXPECT_EQ(SliderVolumeAt(674, kSizes), 89);  // 705 - 31
  EXPECT_FALSE(SliderVolumeAt(675, kSizes).has_value());
}

TEST(MenuLayout, SliderRowsStartLeftOfTheBar) {
  EXPECT_TRUE(InSliderRow(SoundOption::Music, 381, 605, kSizes));
  EXPECT_TRUE(InSliderRow(SoundOption::Music, 682, 624, kSizes));
  EXPECT_FALSE(InSliderRow(SoundOption::Music, 683, 610, kSizes));
  EXPECT_FALSE(InSliderRow(SoundOption::Music, 380, 610, kSizes));
  EXPECT_TRUE(InSliderRow(SoundOption::Effects, 500, 659, kSizes));
  EXPECT_TRUE(InSliderRow(SoundOption::Speech, 500, 670, kSizes));
  EXPECT_FALSE(InSliderRow(SoundOption::Speech, 500, 690, kSizes));
}

}  // namespace
}  // namespace logic
