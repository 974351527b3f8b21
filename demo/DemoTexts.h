// The texts the demo scrolls and rolls.
#pragma once

#include <string>

// The greetings line: a lead-in and the names of thirteen other groups, then nine nulls that draw as
// empty letters so that the line leaves the screen before the scroller runs out of letters.
constexpr int kGreetingsLetters = 221;
constexpr int kGreetingsLength = 230;
std::string GreetingsText();

// The hidden part's message: one paragraph in Windows-1252 (its two e-acute letters are 0xE9, which the
// bitmap font draws), then three nulls.
constexpr int kHiddenMessageLetters = 1297;
constexpr int kHiddenTextLength = 1300;
std::string HiddenText();
