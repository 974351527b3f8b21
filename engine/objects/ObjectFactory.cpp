#include "objects/ObjectFactory.h"

#include "objects/BoxObject.h"
#include "objects/CylinderObject.h"
#include "objects/PlaneObject.h"
#include "objects/SphereObject.h"
#include "objects/TorusObject.h"

CBaseObject& CObjectFactory::Get(CString className)
{
    if (className == "CPlaneObject")
        return *new CPlaneObject;
    if (className == "CSphereObject")
        return *new CSphereObject;
    if (className == "CBoxObject")
        return *new CBoxObject;
    if (className == "CTorusObject")
        return *new CTorusObject;
    if (className == "CCylinderObject")
        return *new CCylinderObject;
    return *new CBoxObject;
}
