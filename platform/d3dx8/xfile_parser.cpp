// The structure of a text .x file: header, templates (skipped), frames and their transforms, objects this
// reader does not use (skipped by matching braces), references, and the reading of single values.
#include "xfile_parser.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace xfile {
namespace {

// Objects nest at most this deep; deeper files are refused rather than followed.
constexpr int kMaxDepth = 64;
constexpr size_t kHeaderSize = 16;

void CheckHeader(std::string_view file)
{
    if (file.size() < kHeaderSize || file.substr(0, 4) != "xof " || file.substr(4, 2) != "03")
        throw FormatError("not a DirectX 3 .x file");
    if (file.substr(8, 4) != "txt ")
        throw FormatError("only the text encoding is read");
    const std::string_view floatSize = file.substr(12, 4);
    if (floatSize != "0032" && floatSize != "0064")
        throw FormatError("bad float size in header");
}

bool IsName(const Token& token, std::string_view name)
{
    return token.kind == TokenKind::Name && token.text == name;
}

}  // namespace

Scene ParseText(std::string_view file)
{
    CheckHeader(file);
    return Parser(file.substr(kHeaderSize)).ParseAll();
}

Scene Parser::ParseAll()
{
    for (Token token = tokens_.Next(); token.kind != TokenKind::End; token = tokens_.Next()) {
        if (token.kind != TokenKind::Name)
            throw FormatError("object type expected");
        ParseTopLevelObject(token);
    }
    return std::move(scene_);
}

void Parser::ParseTopLevelObject(const Token& type)
{
    if (IsName(type, "template")) {
        if (tokens_.Next().kind != TokenKind::Name)
            throw FormatError("template name expected");
        OpenObject();
        SkipBody(1);
    } else if (IsName(type, "Frame")) {
        ParseFrame(1);
    } else if (IsName(type, "Mesh")) {
        ParseMesh(1);
    } else if (IsName(type, "Material")) {
        const std::string name(tokens_.Peek().kind == TokenKind::Name ? tokens_.Peek().text : "");
        Material material = ParseMaterial(1);
        if (!name.empty())
            namedMaterials_[name] = std::move(material);
    } else {
        OpenObject();
        SkipBody(1);
    }
}

// Meshes inside a frame (and its child frames) get the frame's transform after their own.
void Parser::ParseFrame(int depth)
{
    CheckDepth(depth);
    OpenObject();
    const size_t firstMesh = scene_.meshes.size();
    D3DXMATRIX local;
    D3DXMatrixIdentity(&local);
    for (Token token = NextSkippingSeparators(); token.kind != TokenKind::CloseBrace;
         token = NextSkippingSeparators()) {
        if (token.kind == TokenKind::OpenBrace) {
            SkipReference();
        } else if (IsName(token, "FrameTransformMatrix")) {
            ParseFrameTransform(local);
        } else if (IsName(token, "Frame")) {
            ParseFrame(depth + 1);
        } else if (IsName(token, "Mesh")) {
            ParseMesh(depth + 1);
        } else if (token.kind == TokenKind::Name) {
            OpenObject();
            SkipBody(depth + 1);
        } else {
            throw FormatError("unexpected token in Frame");
        }
    }
    for (size_t i = firstMesh; i < scene_.meshes.size(); ++i)
        D3DXMatrixMultiply(&scene_.meshes[i].transform, &scene_.meshes[i].transform, &local);
}

void Parser::ParseFrameTransform(D3DXMATRIX& local)
{
    OpenObject();
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            local.m[row][column] = ReadFloat();
    ExpectClose();
}

// An optional name and GUID, then the opening brace.
void Parser::OpenObject()
{
    if (tokens_.Peek().kind == TokenKind::Name)
        tokens_.Next();
    if (tokens_.Peek().kind == TokenKind::Guid)
        tokens_.Next();
    if (tokens_.Next().kind != TokenKind::OpenBrace)
        throw FormatError("'{' expected");
}

void Parser::ExpectClose()
{
    if (NextSkippingSeparators().kind != TokenKind::CloseBrace)
        throw FormatError("'}' expected");
}

// Consumes the rest of an object whose '{' has been read, nested objects included.
void Parser::SkipBody(int depth)
{
    int open = 1;
    while (open > 0) {
        const Token token = tokens_.Next();
        if (token.kind == TokenKind::OpenBrace) {
            ++open;
            CheckDepth(depth + open);
        } else if (token.kind == TokenKind::CloseBrace) {
            --open;
        } else if (token.kind == TokenKind::End || token.kind == TokenKind::Invalid) {
            throw FormatError("unterminated object");
        }
    }
}

void Parser::SkipReference()
{
    ReadReference();
}

// The name inside a reference "{ Name }" or "{ Name <GUID> }" whose '{' has been read.
std::string_view Parser::ReadReference()
{
    const Token name = tokens_.Next();
    if (name.kind != TokenKind::Name && name.kind != TokenKind::Guid)
        throw FormatError("reference name expected");
    Token next = tokens_.Next();
    if (next.kind == TokenKind::Guid)
        next = tokens_.Next();
    if (next.kind != TokenKind::CloseBrace)
        throw FormatError("'}' expected after reference");
    return name.kind == TokenKind::Name ? name.text : std::string_view();
}

void Parser::CheckDepth(int depth)
{
    if (depth > kMaxDepth)
        throw FormatError("objects nested too deep");
}

Token Parser::NextSkippingSeparators()
{
    Token token = tokens_.Next();
    while (token.kind == TokenKind::Separator)
        token = tokens_.Next();
    return token;
}

uint32_t Parser::ReadCount()
{
    const Token token = NextSkippingSeparators();
    uint32_t value = 0;
    const char* end = token.text.data() + token.text.size();
    const auto result = std::from_chars(token.text.data(), end, value);
    if (token.kind != TokenKind::Number || result.ec != std::errc() || result.ptr != end)
        throw FormatError("count expected");
    return value;
}

float Parser::ReadFloat()
{
    const Token token = NextSkippingSeparators();
    if (token.kind != TokenKind::Number)
        throw FormatError("number expected");
    const std::string text(token.text);
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        throw FormatError("bad number");
    return value;
}

D3DXVECTOR3 Parser::ReadVector()
{
    const float x = ReadFloat();
    const float y = ReadFloat();
    const float z = ReadFloat();
    return {x, y, z};
}

D3DCOLORVALUE Parser::ReadColor(bool withAlpha)
{
    D3DCOLORVALUE color;
    color.r = ReadFloat();
    color.g = ReadFloat();
    color.b = ReadFloat();
    color.a = withAlpha ? ReadFloat() : 1.0f;
    return color;
}

}  // namespace xfile
