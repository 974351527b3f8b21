// The device's own picture: a framebuffer with a colour texture and a depth renderbuffer that all
// drawing goes to, and a second framebuffer keeping the last presented picture (the front buffer).
// Rows are stored top row first, Direct3D's order; presenting flips them into the window's bottom-up
// order.
#pragma once

#include "d3d8types.h"
#include "gl_api.h"

namespace d3d8 {

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Where a picture of the given size lands in a window of the given size when it is scaled with its
// aspect kept and centred (the rest of the window shows black bars).
PixelRect LetterboxRect(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight);

class BackBuffer {
public:
    // Makes the GL objects on the current context; false if GL cannot make a complete framebuffer.
    bool Create(UINT width, UINT height, D3DFORMAT colorFormat, bool withDepth, D3DFORMAT depthFormat);
    void Destroy();

    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    GLuint ColorTexture() const { return colorTexture_; }
    GLuint DepthRenderbuffer() const { return depthRenderbuffer_; }
    GLuint Framebuffer() const { return framebuffer_; }

    // Copies the picture into the window's framebuffer, flipped to its bottom-up rows, into the given
    // rectangle (window pixels, origin bottom left); the rest of the window is cleared to black.
    void BlitToWindow(const PixelRect& target, int windowWidth, int windowHeight);
    // Keeps the current picture as the front buffer.
    void CopyToFront();
    // The front buffer as A8R8G8B8 in memory (B, G, R, A bytes), top row first.
    void ReadFront(BYTE* destination, UINT destinationPitch);

private:
    bool MakeColorTarget(GLuint& texture, GLuint& framebuffer, GLenum internalFormat);

    UINT width_ = 0, height_ = 0;
    GLuint colorTexture_ = 0, depthRenderbuffer_ = 0, framebuffer_ = 0;
    GLuint frontTexture_ = 0, frontFramebuffer_ = 0;
};

}  // namespace d3d8
