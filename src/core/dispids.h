// Dispatch identifiers of the control's automation interface. They are a
// published contract (scripts and compiled clients bind to them), so they are
// spelled out once here and used by name everywhere else. The member names
// themselves live only in the member table (property_table.h).
#pragma once

#include <cstdint>

namespace brixel::dispid {

inline constexpr std::int32_t kDefaultCaption = 0;  // the default member
inline constexpr std::int32_t kCaption = -518;
inline constexpr std::int32_t kBackColor = -501;
inline constexpr std::int32_t kEnabled = -514;
inline constexpr std::int32_t kHWnd = -515;
inline constexpr std::int32_t kStockFont = -512;  // announced for Font changes
inline constexpr std::int32_t kRefresh = -550;
inline constexpr std::int32_t kAboutBox = -552;

inline constexpr std::int32_t kBevel = 1;
inline constexpr std::int32_t kBevelUpperShade = 2;
inline constexpr std::int32_t kBevelLowerShade = 3;
inline constexpr std::int32_t kFontColor = 4;
inline constexpr std::int32_t kBorderColor = 5;
inline constexpr std::int32_t kPictureTransparentColor = 6;
inline constexpr std::int32_t kToolTipText = 7;
inline constexpr std::int32_t kCoolButton = 8;
inline constexpr std::int32_t kShowFocusBorder = 9;
inline constexpr std::int32_t kShowDefaultBorder = 10;
inline constexpr std::int32_t kMousePointer = 11;
inline constexpr std::int32_t kActive = 12;
inline constexpr std::int32_t kClickSound = 13;
inline constexpr std::int32_t kClickSoundFile = 14;
inline constexpr std::int32_t kMouseInFontColor = 15;
inline constexpr std::int32_t kHyperlink = 16;
inline constexpr std::int32_t kShowHyperlink = 17;
inline constexpr std::int32_t kAppearance = 18;
inline constexpr std::int32_t kXPColorScheme = 19;
inline constexpr std::int32_t kToggleButton = 20;
inline constexpr std::int32_t kBorderStyle = 21;
inline constexpr std::int32_t kDisabledFontColor = 22;
inline constexpr std::int32_t kDisabledBackColor = 23;
inline constexpr std::int32_t kDisabledBorderColor = 24;
inline constexpr std::int32_t kMouseInBackColor = 25;
inline constexpr std::int32_t kMouseInBorderColor = 26;
inline constexpr std::int32_t kMouseInBorderStyle = 27;
inline constexpr std::int32_t kTranslucentStyle = 28;
inline constexpr std::int32_t kTranslucentLevel = 29;
inline constexpr std::int32_t kPictureStyle = 30;
inline constexpr std::int32_t kDisabledPictureTransparentColor = 31;
inline constexpr std::int32_t kDownPictureTransparentColor = 32;
inline constexpr std::int32_t kMouseInPictureTransparentColor = 33;
inline constexpr std::int32_t kMouseInSound = 34;
inline constexpr std::int32_t kMouseInSoundFile = 35;
inline constexpr std::int32_t kCaptionMargins = 36;
inline constexpr std::int32_t kPictureMargins = 37;
inline constexpr std::int32_t kEnableMouseInProperties = 38;
inline constexpr std::int32_t kEnableDownProperties = 39;
inline constexpr std::int32_t kCaptionHAlignment = 40;
inline constexpr std::int32_t kCaptionVAlignment = 41;
inline constexpr std::int32_t kPictureHAlignment = 42;
inline constexpr std::int32_t kPictureVAlignment = 43;
inline constexpr std::int32_t kMouseInPictureHAlignment = 44;
inline constexpr std::int32_t kMouseInPictureVAlignment = 45;
inline constexpr std::int32_t kDisabledPictureHAlignment = 46;
inline constexpr std::int32_t kDisabledPictureVAlignment = 47;
inline constexpr std::int32_t kDownPictureHAlignment = 48;
inline constexpr std::int32_t kDownPictureVAlignment = 49;
inline constexpr std::int32_t kCaptionWrap = 50;
inline constexpr std::int32_t kDownBorderStyle = 51;
inline constexpr std::int32_t kDownBackColor = 52;
inline constexpr std::int32_t kDownBorderColor = 53;
inline constexpr std::int32_t kDownFontColor = 54;
inline constexpr std::int32_t kEnableDisabledProperties = 55;
inline constexpr std::int32_t kGradient = 56;
inline constexpr std::int32_t kGradientStyle = 57;
inline constexpr std::int32_t kGradientStyleVariant = 58;
inline constexpr std::int32_t kGradientColor1 = 59;
inline constexpr std::int32_t kGradientColor2 = 60;
inline constexpr std::int32_t kDisabledGradient = 61;
inline constexpr std::int32_t kDisabledGradientStyle = 62;
inline constexpr std::int32_t kDisabledGradientStyleVariant = 63;
inline constexpr std::int32_t kDisabledGradientColor1 = 64;
inline constexpr std::int32_t kDisabledGradientColor2 = 65;
inline constexpr std::int32_t kMouseInGradient = 66;
inline constexpr std::int32_t kMouseInGradientStyle = 67;
inline constexpr std::int32_t kMouseInGradientStyleVariant = 68;
inline constexpr std::int32_t kMouseInGradientColor1 = 69;
inline constexpr std::int32_t kMouseInGradientColor2 = 70;
inline constexpr std::int32_t kDownGradient = 71;
inline constexpr std::int32_t kDownGradientStyle = 72;
inline constexpr std::int32_t kDownGradientStyleVariant = 73;
inline constexpr std::int32_t kDownGradientColor1 = 74;
inline constexpr std::int32_t kDownGradientColor2 = 75;
inline constexpr std::int32_t kMouseInPictureStyle = 76;
inline constexpr std::int32_t kDownPictureStyle = 77;
inline constexpr std::int32_t kPictureEffectWhenMouseDown = 78;
inline constexpr std::int32_t kPictureEffectWhenMouseOver = 79;
inline constexpr std::int32_t kDisabledPictureStyle = 80;
inline constexpr std::int32_t kCornerStyle = 81;
inline constexpr std::int32_t kCornerRoundingLevel = 82;
inline constexpr std::int32_t kMenu = 83;
inline constexpr std::int32_t kMenuSelectionBackColor = 84;
inline constexpr std::int32_t kMenuSidebar = 85;
inline constexpr std::int32_t kMenuSidebarColor = 86;
inline constexpr std::int32_t kMenuFontColor = 87;
inline constexpr std::int32_t kMenuSeparatorColor = 88;
inline constexpr std::int32_t kMenuBackColor = 89;
inline constexpr std::int32_t kAppearanceStyle = 90;
inline constexpr std::int32_t kMenuButtonAlignment = 91;
inline constexpr std::int32_t kMenuButtonStyle = 92;
inline constexpr std::int32_t kMenuButtonWidth = 93;
inline constexpr std::int32_t kMenuButtonTriangleColor = 94;
inline constexpr std::int32_t kMenuAlignment = 95;
inline constexpr std::int32_t kRightToLeft = 96;
inline constexpr std::int32_t kMenuSelectionFontColor = 97;
inline constexpr std::int32_t kShowMenuButtonTriangle = 98;
inline constexpr std::int32_t kValue = 99;
inline constexpr std::int32_t kPicture = 100;
inline constexpr std::int32_t kMouseIcon = 101;
inline constexpr std::int32_t kMouseInFont = 102;
inline constexpr std::int32_t kMouseInPicture = 103;
inline constexpr std::int32_t kDownPicture = 104;
inline constexpr std::int32_t kDisabledPicture = 105;
inline constexpr std::int32_t kHyperlinkAddress = 106;
inline constexpr std::int32_t kDisabledFont = 107;
inline constexpr std::int32_t kDownFont = 108;
inline constexpr std::int32_t kControlPointer = 109;
inline constexpr std::int32_t kMenuFont = 110;
inline constexpr std::int32_t kFont = 111;

inline constexpr std::int32_t kSetFocus = 112;
inline constexpr std::int32_t kSetToggleState = 113;
inline constexpr std::int32_t kGetToggleState = 114;
inline constexpr std::int32_t kDropMenu = 115;
inline constexpr std::int32_t kPerformClick = 116;
inline constexpr std::int32_t kPerformHyperlink = 117;
inline constexpr std::int32_t kPerformClickActions = 118;
inline constexpr std::int32_t kAddMenuItem = 119;
inline constexpr std::int32_t kInsertMenuItem = 120;
inline constexpr std::int32_t kRemoveMenuItem = 121;
inline constexpr std::int32_t kMenuItemCaption = 122;
inline constexpr std::int32_t kMenuItemID = 123;
inline constexpr std::int32_t kMenuItemShortcut = 124;
inline constexpr std::int32_t kMenuItemHyperlink = 125;
inline constexpr std::int32_t kMenuItemHyperlinkAddress = 126;
inline constexpr std::int32_t kMenuItemSeparator = 127;
inline constexpr std::int32_t kMenuItemEnabled = 128;
inline constexpr std::int32_t kMenuItemPicture = 129;
inline constexpr std::int32_t kMenuItemVisible = 130;
inline constexpr std::int32_t kMenuAutoDrop = 131;
inline constexpr std::int32_t kGetMenuItemCount = 132;
inline constexpr std::int32_t kGetMenuItemIDFromIndex = 133;
inline constexpr std::int32_t kGetMenuItemParentID = 134;
inline constexpr std::int32_t kIsMenuItemParent = 135;
inline constexpr std::int32_t kGetTotalMenuItemCount = 136;

// The control's own events of the event interface (the stock mouse, key
// and click events keep their standard identifiers).
inline constexpr std::int32_t kEventMouseEnter = 1;
inline constexpr std::int32_t kEventMouseExit = 2;
inline constexpr std::int32_t kEventButtonToggled = 3;
inline constexpr std::int32_t kEventWhileMouseDown = 4;
inline constexpr std::int32_t kEventMenuDropped = 5;
inline constexpr std::int32_t kEventMenuItemClicked = 6;
inline constexpr std::int32_t kEventMenuButtonPressed = 7;

// Ambient properties of the container whose changes the control follows.
inline constexpr std::int32_t kAmbientBackColor = -701;
inline constexpr std::int32_t kAmbientDisplayAsDefault = -713;
inline constexpr std::int32_t kAmbientSeveral = -1;  // the container does not say which

// The persisted border-colour-custom flags are no automation members.
inline constexpr std::int32_t kNone = INT32_MIN;

}  // namespace brixel::dispid
