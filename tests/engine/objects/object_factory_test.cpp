// The factory: each known class name gives its class, uninitialised; anything else a box.
#include <gtest/gtest.h>

#include <memory>

#include "objects/BoxObject.h"
#include "objects/CylinderObject.h"
#include "objects/ObjectFactory.h"
#include "objects/PlaneObject.h"
#include "objects/SphereObject.h"
#include "objects/TorusObject.h"

namespace {

template <typename T>
bool Makes(const char* name)
{
    std::unique_ptr<CBaseObject> object(&CObjectFactory::Get(name));
    return dynamic_cast<T*>(object.get()) != nullptr && object->GetObjType().IsEmpty();
}

TEST(ObjectFactory, KnownNamesGiveTheirClassesAndAnyOtherABox)
{
    EXPECT_TRUE(Makes<CPlaneObject>("CPlaneObject"));
    EXPECT_TRUE(Makes<CSphereObject>("CSphereObject"));
    EXPECT_TRUE(Makes<CBoxObject>("CBoxObject"));
    EXPECT_TRUE(Makes<CTorusObject>("CTorusObject"));
    EXPECT_TRUE(Makes<CCylinderObject>("CCylinderObject"));
    EXPECT_TRUE(Makes<CBoxObject>("CPyramidObject"));
    EXPECT_TRUE(Makes<CBoxObject>(""));
    EXPECT_FALSE(Makes<CSphereObject>("csphereobject"));
}

}  // namespace
