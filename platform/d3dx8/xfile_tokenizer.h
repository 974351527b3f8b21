// The tokens of a DirectX text .x file after its 16-byte header: names, numbers, strings, GUIDs and
// punctuation, with whitespace and comments (// or # to the end of the line) left out.
#pragma once

#include <string_view>

namespace xfile {

enum class TokenKind { Name, Number, String, Guid, OpenBrace, CloseBrace, Separator, OpenBracket, CloseBracket,
                       Dot, End, Invalid };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;  // strings without their quotes, GUIDs without their angle brackets
};

class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    Token Next();
    Token Peek();

private:
    void SkipSpaceAndComments();
    Token Lex();
    Token Delimited(TokenKind kind, char close);
    Token Run(TokenKind kind, bool (*belongs)(char));

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace xfile
