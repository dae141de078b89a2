#ifndef TIDEWAVE_LONGVALUES_H
#define TIDEWAVE_LONGVALUES_H

// The longest values a user can give the windows, for the picture programs'
// "--long" run: what a window shows must fit them, or be cut in the middle
// with its whole text in a tooltip, never at a border.  'W' is the widest
// letter of the desktop's fonts; 'Ж', as wide, takes two bytes.
namespace LongValues {

// A network name is at most 32 bytes: one without spaces, and one of
// two-byte characters as a scan can bring it.
inline const char* const kSsid = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
inline const char* const kSsidTwoByte = "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ";

// The profile name fields take 32 characters, which may be two-byte ones.
inline const char* const kProfileName = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
inline const char* const kProfileNameTwoByte = "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ";

// The address fields take 15 characters; a dotted quad is no longer.
inline const char* const kAddress = "255.255.255.255";

}  // namespace LongValues

#endif
