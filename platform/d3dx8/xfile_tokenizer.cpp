// Splits .x text into tokens. Anything that is not a token (a stray byte, an unclosed string or GUID)
// becomes an Invalid token, so the parser stops there instead of guessing.
#include "xfile_tokenizer.h"

namespace xfile {
namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == '\0';
}

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || IsDigit(c) || c == '-' || c == '.';
}

bool IsNumberChar(char c)
{
    return IsDigit(c) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

}  // namespace

Token Tokenizer::Peek()
{
    const size_t saved = at_;
    Token token = Next();
    at_ = saved;
    return token;
}

Token Tokenizer::Next()
{
    SkipSpaceAndComments();
    if (at_ >= text_.size())
        return {TokenKind::End, {}};
    return Lex();
}

void Tokenizer::SkipSpaceAndComments()
{
    while (at_ < text_.size()) {
        const char c = text_[at_];
        const bool comment = c == '#' || (c == '/' && at_ + 1 < text_.size() && text_[at_ + 1] == '/');
        if (comment) {
            while (at_ < text_.size() && text_[at_] != '\n')
                ++at_;
        } else if (IsSpace(c)) {
            ++at_;
        } else {
            return;
        }
    }
}

Token Tokenizer::Lex()
{
    const char c = text_[at_];
    switch (c) {
    case '{': ++at_; return {TokenKind::OpenBrace, text_.substr(at_ - 1, 1)};
    case '}': ++at_; return {TokenKind::CloseBrace, text_.substr(at_ - 1, 1)};
    case ';':
    case ',': ++at_; return {TokenKind::Separator, text_.substr(at_ - 1, 1)};
    case '[': ++at_; return {TokenKind::OpenBracket, text_.substr(at_ - 1, 1)};
    case ']': ++at_; return {TokenKind::CloseBracket, text_.substr(at_ - 1, 1)};
    case '"': return Delimited(TokenKind::String, '"');
    case '<': return Delimited(TokenKind::Guid, '>');
    default: break;
    }
    if (IsNameStart(c))
        return Run(TokenKind::Name, IsNameChar);
    if (IsDigit(c) || c == '-' || c == '+' || c == '.') {
        const bool dotAlone = c == '.' && (at_ + 1 >= text_.size() || !IsDigit(text_[at_ + 1]));
        if (dotAlone) {
            ++at_;
            return {TokenKind::Dot, text_.substr(at_ - 1, 1)};
        }
        return Run(TokenKind::Number, IsNumberChar);
    }
    ++at_;
    return {TokenKind::Invalid, text_.substr(at_ - 1, 1)};
}

Token Tokenizer::Delimited(TokenKind kind, char close)
{
    const size_t end = text_.find(close, at_ + 1);
    if (end == std::string_view::npos) {
        at_ = text_.size();
        return {TokenKind::Invalid, {}};
    }
    Token token{kind, text_.substr(at_ + 1, end - at_ - 1)};
    at_ = end + 1;
    return token;
}

Token Tokenizer::Run(TokenKind kind, bool (*belongs)(char))
{
    const size_t start = at_++;
    while (at_ < text_.size() && belongs(text_[at_]))
        ++at_;
    return {kind, text_.substr(start, at_ - start)};
}

}  // namespace xfile
