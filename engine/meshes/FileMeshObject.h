// The common base of meshes read from a file: the file name and the directory it lies in, where the
// textures the file names are looked up.
#pragma once

#include <afxwin.h>

#include "objects/BaseObject.h"

class CFileMeshObject : public CBaseObject {
public:
    CFileMeshObject();

    // Stores the name as given and derives the directory: everything up to and including the last
    // backslash, empty when there is none.
    void SetFilename(CString filename);
    CString GetFilename();
    CString GetDirectory();

protected:
    CString m_strFilename;
    CString m_strDirectory;
};
