#include "DemoTexts.h"

namespace {

// The letters, then nulls up to the scroller's length: they draw as empty letters.
std::string WithNulls(const char* letters, int length)
{
    std::string text(letters);
    text.resize(static_cast<size_t>(length), '\0');
    return text;
}

}  // namespace

std::string GreetingsText()
{
    static const char kLine[] =
        "...... and now the greetings ...... hello to Moonhaven . Pixel Orchard . Cobalt Foxes . "
        "Quarzline . Nebulite . Saltwave . Drift Engine . Lumen Kiln . Ferrocrate . Sunny Vectors . "
        "Glasswing . Tidal Bit . Oktarhythm .......";
    static_assert(sizeof(kLine) - 1 == kGreetingsLetters, "the greetings line has its fixed length");
    return WithNulls(kLine, kGreetingsLength);
}

std::string HiddenText()
{
    static const char kMessage[] =
        "...... well, well, well ...... congratulations, traveller: you have found the hidden part of the "
        "Zenth! Only a few viewers ever hold the right keys at the right moment, so be proud (or admit that "
        "you read the code, shame on you). Now it is your turn to make the demo: F1 calls the spinning grid, "
        "F2 the growing trail, F3 the box system of the tunnel, F4 the red and blue tori, F5 to F8 change "
        "the way the title waves, and SPACE flashes the picture. Play them in time with the music and you "
        "are a demomaker too ... Talvik is proud of you, even if you look a little tired after all those "
        "cubes. Do not worry, the white pixel in the middle keeps jumping for you all night long. Coming "
        "soon from Talvik: a 64k intro with more cubes than you can count, a music disk by zUd, and one day "
        "a demo that does not begin with a cube, but nobody believes that one. You may press ESC now, really: "
        "the module does not loop, and when it ends there is nothing left but this scroller. The tune you "
        "hear is chipmod, a small chip module by zUd. As old Hugo said when he left the party at dawn: 'keep "
        "it simple, keep it moving.' ...... and now in French ...... - Alors, tu as aim\xE9" " la d\xE9" "mo "
        "? - Oui, mais le texte ne recommence pas ! - Non, il ne recommence jamais. - Jamais ? - Jamais. "
        "- Dommage ... - Bon, salut ! .....";
    static_assert(sizeof(kMessage) - 1 == kHiddenMessageLetters, "the hidden message has its fixed length");
    return WithNulls(kMessage, kHiddenTextLength);
}
