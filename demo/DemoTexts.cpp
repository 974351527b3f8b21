#include "DemoTexts.h"

std::string GreetingsText()
{
    static const char kLine[] =
        "...... and now the greetings ...... hello to Moonhaven . Pixel Orchard . Cobalt Foxes . "
        "Quarzline . Nebulite . Saltwave . Drift Engine . Lumen Kiln . Ferrocrate . Sunny Vectors . "
        "Glasswing . Tidal Bit . Oktarhythm .......";
    static_assert(sizeof(kLine) - 1 == kGreetingsLetters, "the greetings line has its fixed length");
    std::string text(kLine);
    text.append(kGreetingsLength - kGreetingsLetters, '\0');
    return text;
}
