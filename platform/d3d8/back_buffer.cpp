#include "back_buffer.h"

#include <algorithm>
#include <vector>

#include "format_info.h"

namespace d3d8 {

PixelRect LetterboxRect(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight)
{
    if (pictureWidth <= 0 || pictureHeight <= 0 || windowWidth <= 0 || windowHeight <= 0)
        return {};
    PixelRect r;
    // Compare the aspects in integers: the picture fills the width when it is relatively wider.
    if (static_cast<long long>(pictureWidth) * windowHeight >= static_cast<long long>(windowWidth) * pictureHeight) {
        r.width = windowWidth;
        r.height = static_cast<int>(static_cast<long long>(windowWidth) * pictureHeight / pictureWidth);
    } else {
        r.height = windowHeight;
        r.width = static_cast<int>(static_cast<long long>(windowHeight) * pictureWidth / pictureHeight);
    }
    r.x = (windowWidth - r.width) / 2;
    r.y = (windowHeight - r.height) / 2;
    return r;
}

bool BackBuffer::MakeColorTarget(GLuint& texture, GLuint& framebuffer, GLenum internalFormat)
{
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexStorage2D(GL_TEXTURE_2D, 1, internalFormat, width_, height_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    return true;
}

bool BackBuffer::Create(UINT width, UINT height, D3DFORMAT colorFormat, bool withDepth, D3DFORMAT depthFormat)
{
    Destroy();
    width_ = width;
    height_ = height;
    const GLenum colorStorage = colorFormat == D3DFMT_R5G6B5 ? GL_RGB565 : GL_RGBA8;
    MakeColorTarget(frontTexture_, frontFramebuffer_, colorStorage);
    MakeColorTarget(colorTexture_, framebuffer_, colorStorage);
    if (withDepth) {
        glGenRenderbuffers(1, &depthRenderbuffer_);
        glBindRenderbuffer(GL_RENDERBUFFER, depthRenderbuffer_);
        glRenderbufferStorage(GL_RENDERBUFFER, GlDepthFormatOf(depthFormat), width_, height_);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, HasStencil(depthFormat) ? GL_DEPTH_STENCIL_ATTACHMENT
                                                                          : GL_DEPTH_ATTACHMENT,
                                  GL_RENDERBUFFER, depthRenderbuffer_);
    }
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    // A new back buffer starts black, and so does the front buffer.
    glViewport(0, 0, width_, height_);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindFramebuffer(GL_FRAMEBUFFER, frontFramebuffer_);
    glClear(GL_COLOR_BUFFER_BIT);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    return complete;
}

void BackBuffer::Destroy()
{
    if (framebuffer_)
        glDeleteFramebuffers(1, &framebuffer_);
    if (frontFramebuffer_)
        glDeleteFramebuffers(1, &frontFramebuffer_);
    if (colorTexture_)
        glDeleteTextures(1, &colorTexture_);
    if (frontTexture_)
        glDeleteTextures(1, &frontTexture_);
    if (depthRenderbuffer_)
        glDeleteRenderbuffers(1, &depthRenderbuffer_);
    colorTexture_ = depthRenderbuffer_ = framebuffer_ = frontTexture_ = frontFramebuffer_ = 0;
    width_ = height_ = 0;
}

void BackBuffer::BlitToWindow(const PixelRect& target, int windowWidth, int windowHeight)
{
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glViewport(0, 0, windowWidth, windowHeight);
    // Only the bars beside a letterboxed picture need clearing; a picture that fills the window
    // covers every pixel.
    const bool fillsWindow =
        target.x <= 0 && target.y <= 0 && target.x + target.width >= windowWidth && target.y + target.height >= windowHeight;
    if (!fillsWindow) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    const GLenum filter = (target.width == static_cast<int>(width_) && target.height == static_cast<int>(height_))
                              ? GL_NEAREST
                              : GL_LINEAR;
    // Source row 0 is the top of the picture; the window's top is its last row.
    glBlitFramebuffer(0, 0, width_, height_, target.x, target.y + target.height, target.x + target.width, target.y,
                      GL_COLOR_BUFFER_BIT, filter);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void BackBuffer::CopyToFront()
{
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, frontFramebuffer_);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void BackBuffer::ReadFront(BYTE* destination, UINT destinationPitch)
{
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frontFramebuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, static_cast<GLint>(destinationPitch / 4));
    if (destinationPitch % 4 == 0) {
        glReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, destination);
    } else {
        std::vector<BYTE> rows(static_cast<size_t>(width_) * height_ * 4);
        glPixelStorei(GL_PACK_ROW_LENGTH, 0);
        glReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, rows.data());
        for (UINT y = 0; y < height_; ++y)
            std::copy_n(rows.data() + static_cast<size_t>(y) * width_ * 4, width_ * 4,
                        destination + static_cast<size_t>(y) * destinationPitch);
    }
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

}  // namespace d3d8
