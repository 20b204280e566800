#pragma once
// The numbers of every image slot, sound buffer and music track the screens
// use, in one place. The bitmap catalogue loads its files into these slots;
// the asset-number test checks each name against the catalogue's file, size
// and transparency, so a renumbered slot cannot drift between two screens.

namespace platform::asset {

// Image slots loaded from bitmaps (the catalogue).
inline constexpr int kMenuHighlightSlot = 0;   // data001: the bar behind the hovered menu entry
inline constexpr int kTimeBarSlot = 3;         // data002: the time bar of the play screen
inline constexpr int kIntroBannerASlot = 4;    // data003: "find the five differences" banner
inline constexpr int kIntroBannerBSlot = 5;    // data004: "ready, steady, go" banner
inline constexpr int kHitMarkerSlot = 6;       // data005
inline constexpr int kMissMarkerSlot = 7;      // data006
inline constexpr int kCursorSlot = 8;          // data007: the mouse pointer of menu and play
inline constexpr int kCreditsFinalSlot = 9;    // data008: the last line of the credits roll
inline constexpr int kFirstDigitSlot = 10;     // data018, data009..017: digits 0..9
inline constexpr int kDigitCount = 10;
inline constexpr int kColonSlot = 20;          // data019
inline constexpr int kLogoSlot = 21;           // data020: the maker's logo
inline constexpr int kCoverSlot = 22;          // data021: covers a picture; the level-end panel
inline constexpr int kFirstGlyphSlot = 30;     // qxdata/1..27: capital letters and signs
inline constexpr int kGlyphCount = 27;
inline constexpr int kTextCursorGlyphSlot = 56;  // the last of those glyphs: the name-entry cursor
inline constexpr int kFirstSmallGlyphSlot = 60;  // qxdata/l_1..26
inline constexpr int kSmallGlyphCount = 26;
inline constexpr int kFirstTitleLetterSlot = 86;  // qxdata_0/data001..008: the intro's letters
inline constexpr int kTitleLetterCount = 8;
inline constexpr int kFirstColourSlot = 94;    // data022..027: sparks and confetti in six colours
inline constexpr int kColourCount = 6;
inline constexpr int kSpeechOffSlot = 100;     // data028..031: the sound options' switches
inline constexpr int kSpeechOnSlot = 101;
inline constexpr int kMusicOnSlot = 102;
inline constexpr int kMusicOffSlot = 103;
inline constexpr int kKnobSlot = 104;          // data032: a volume slider's knob
inline constexpr int kBarSlot = 105;           // data033: a volume slider's bar
inline constexpr int kEffectsOnSlot = 106;     // data034, data035
inline constexpr int kEffectsOffSlot = 107;

// Image slots a level fills from the chosen game file.
inline constexpr int kLeftPictureSlot = 1;
inline constexpr int kRightPictureSlot = 2;

// Image slots of the eight built-in pictures (igdata.qxs), in file order.
inline constexpr int kPlayBackgroundSlot = 25;
inline constexpr int kTableBackgroundSlot = 26;   // tiled vertically by the high-score table
inline constexpr int kMenuBackgroundSlot = 27;
inline constexpr int kPanoramaSlot = 28;          // stretched behind the credits and the table's sweep
inline constexpr int kCreditsSoundPictureSlot = 108;
inline constexpr int kCreditsProgrammerPictureSlot = 109;
inline constexpr int kCreditsGraphicsPictureSlot = 110;
inline constexpr int kTitleCardSlot = 111;
inline constexpr int kBuiltInPictureSlots[8] = {kPlayBackgroundSlot,           kTableBackgroundSlot,
                                                kMenuBackgroundSlot,           kPanoramaSlot,
                                                kCreditsSoundPictureSlot,      kCreditsProgrammerPictureSlot,
                                                kCreditsGraphicsPictureSlot,   kTitleCardSlot};

// Sound buffers played as effects.
inline constexpr int kGameOverSound = 0;
inline constexpr int kLevelCompleteSound = 1;
inline constexpr int kWrongClickSound = 2;
inline constexpr int kTenSecondWarningSound = 3;
inline constexpr int kIntroStartSound = 4;
inline constexpr int kTickSound = 5;             // the last seconds; also a menu entry's hover
inline constexpr int kBounceSound = 8;           // also the effects slider's sample
inline constexpr int kConfettiSound = 9;
inline constexpr int kNameEntryFanfareSound = 16;
inline constexpr int kLogoSettleSound = 17;
inline constexpr int kFirstFindJingleSound = 27;  // 27..32: one of six jingles for a find
inline constexpr int kFindJingleCount = 6;

// Sound buffers played as speech.
inline constexpr int kFindFiveSpeech = 6;
inline constexpr int kReadySteadyGoSpeech = 7;
inline constexpr int kAllFoundSpeech = 10;
inline constexpr int kFourLeftSpeech = 11;
inline constexpr int kThreeLeftSpeech = 12;
inline constexpr int kTwoLeftSpeech = 13;
inline constexpr int kOneLeftSpeech = 14;
inline constexpr int kLastFoundSpeech = 15;
inline constexpr int kFourLeftOtherSpeech = 18;
inline constexpr int kTwoLeftOtherSpeech = 20;  // also the speech slider's sample
inline constexpr int kOneLeftOtherSpeech = 21;
inline constexpr int kLastFoundLateSpeech = 22;
inline constexpr int kWhereIsItSpeech = 23;
inline constexpr int kLookCloselySpeech = 24;
inline constexpr int kTimeIsRunningSpeech = 25;

// Music tracks.
inline constexpr int kTableMusic = 0;
inline constexpr int kMenuMusic = 2;
inline constexpr int kCreditsMusic = 3;
inline constexpr int kNameEntryMusic = 6;
inline constexpr int kPlayMusicTracks[4] = {7, 1, 5, 4};

}  // namespace platform::asset
