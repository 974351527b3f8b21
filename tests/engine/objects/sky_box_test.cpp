// Sky boxes: a picture per face range in the box's order, grey sides, no culling, centred on the camera.
#include <gtest/gtest.h>

#include "object_test_support.h"
#include "objects/SkyBoxObject.h"

namespace {

class CInspectedSkyBox : public CSkyBoxObject {
public:
    std::vector<CString> TextureNames() const { return m_pTextureNames; }
    std::vector<int> RangeEnds() const { return m_pRangeEnds; }
};

TEST(SkyBox, PicturesGoToTheirRangesAndTheDrawnBoxIsCentredOnTheCamera)
{
    std::vector<CString> names;
    std::vector<int> ends;
    std::vector<S3DVERTEX> vertices;
    bool culling = true;
    D3DXMATRIX world;
    RunScreen({}, [&] {
        CInspectedSkyBox sky;
        sky.SetTopPicture("top.png");
        sky.SetBottomPicture("bottom.png");
        sky.SetLeftPicture("left.png");
        sky.SetRightPicture("right.png");
        sky.SetFrontPicture("front.png");
        sky.SetBackPicture("back.png");
        sky.Init();
        names = sky.TextureNames();
        ends = sky.RangeEnds();
        vertices = ReadVertices(sky);
        culling = sky.GetCulling();
        CScreen::Instance().SetCamera(5.0f, 0.0f, -3.0f, 0.0f, 0.0f, 1.0f);
        CScreen::Instance().BeginScene();
        sky.Render();
        world = Transform(D3DTS_WORLD);
        CScreen::Instance().EndScene();
        sky.CleanUp();
    });
    EXPECT_EQ(names, (std::vector<CString>{"top.png", "bottom.png", "left.png", "right.png", "front.png", "back.png"}));
    EXPECT_EQ(ends, (std::vector<int>{2, 4, 6, 8, 10, 12}));
    EXPECT_FALSE(culling);
    ASSERT_EQ(vertices.size(), 36u);
    for (const S3DVERTEX& v : vertices)
        EXPECT_EQ(v.color, 0xFF7F7F7Fu);
    D3DXMATRIX expected;
    D3DXMatrixTranslation(&expected, 5, 0, -3);
    EXPECT_TRUE(SameMatrix(world, expected));
}

}  // namespace
