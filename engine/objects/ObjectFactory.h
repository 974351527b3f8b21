// Builds a procedural primitive from its class name.
#pragma once

#include <afxwin.h>

#include "objects/BaseObject.h"

class CObjectFactory {
public:
    // A new object of the named class, default constructed and not initialised; the caller owns it
    // and deletes it. Names are compared exactly; any other name gives a box.
    static CBaseObject& Get(CString className);
};
