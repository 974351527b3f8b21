// Scenes: head insertion, look-ups by name and index, removal, drawing order, the not-found error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "objects/BaseObject.h"
#include "objects/Scene.h"

namespace {

// Records the order in which a scene draws its objects.
class CRecordingObject : public CBaseObject {
public:
    CRecordingObject(const char* name, std::vector<std::string>& log) : m_log(log) { SetObjName(name); }
    void Render() override { m_log.push_back(GetObjName().str()); }

private:
    std::vector<std::string>& m_log;
};

TEST(Scene, NewestObjectComesFirstInIndexAndDrawingOrder)
{
    std::vector<std::string> drawn;
    CRecordingObject a("a", drawn), b("b", drawn), c("c", drawn);
    CScene scene;
    scene.AddObject(a);
    scene.AddObject(b);
    scene.AddObject(c);
    EXPECT_EQ(scene.GetObjectNumber(), 3);
    EXPECT_EQ(&scene.GetObject(0), &c);
    EXPECT_EQ(&scene.GetObject(1), &b);
    EXPECT_EQ(&scene.GetObject(2), &a);
    scene.Render();
    EXPECT_EQ(drawn, (std::vector<std::string>{"c", "b", "a"}));
}

TEST(Scene, NameLookupsAndRemovalActOnTheObjectAddedLast)
{
    std::vector<std::string> drawn;
    CRecordingObject older("twin", drawn), newer("twin", drawn), other("other", drawn);
    CScene scene;
    scene.AddObject(older);
    scene.AddObject(other);
    scene.AddObject(newer);
    EXPECT_EQ(&scene.GetObject("twin"), &newer);
    EXPECT_TRUE(scene.IsObjectExisting("other"));
    EXPECT_FALSE(scene.IsObjectExisting("Twin"));  // names compare exactly

    scene.RemoveObject("twin");
    EXPECT_EQ(scene.GetObjectNumber(), 2);
    EXPECT_EQ(&scene.GetObject("twin"), &older);
    EXPECT_EQ(&scene.GetObject(0), &other);
    EXPECT_EQ(newer.GetObjName(), CString("twin"));  // the object itself is untouched

    scene.RemoveObject("missing");
    EXPECT_EQ(scene.GetObjectNumber(), 2);
}

TEST(Scene, RemovingHeadAndTailKeepsTheListWholeAndAnObjectMayBeListedTwice)
{
    std::vector<std::string> drawn;
    CRecordingObject a("a", drawn), b("b", drawn), c("c", drawn);
    CScene scene;
    for (CRecordingObject* object : {&a, &b, &c, &b})
        scene.AddObject(*object);
    scene.RemoveObject("b");  // the head
    scene.RemoveObject("a");  // the tail
    scene.AddObject(a);
    scene.Render();
    EXPECT_EQ(drawn, (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(scene.GetObjectNumber(), 3);
}

TEST(Scene, MissingNameOrIndexRaisesObjectNotFoundNamingIt)
{
    std::vector<std::string> drawn;
    CRecordingObject a("a", drawn);
    CScene scene;
    EXPECT_THROW(scene.GetObject(0), CObjectNotFound);
    scene.AddObject(a);
    try {
        scene.GetObject("ghost");
        FAIL() << "no exception";
    } catch (const CObjectNotFound& error) {
        EXPECT_NE(std::string(error.what()).find("ghost"), std::string::npos);
    }
    try {
        scene.GetObject(5);
        FAIL() << "no exception";
    } catch (const std::out_of_range& error) {
        EXPECT_NE(std::string(error.what()).find('5'), std::string::npos);
    }
    EXPECT_THROW(scene.GetObject(-1), CObjectNotFound);
    EXPECT_EQ(&scene.GetObject(0), &a);
}

}  // namespace
