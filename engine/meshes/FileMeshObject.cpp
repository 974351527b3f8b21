#include "meshes/FileMeshObject.h"

CFileMeshObject::CFileMeshObject() {}

void CFileMeshObject::SetFilename(CString filename)
{
    m_strFilename = filename;
    m_strDirectory = filename.Left(filename.ReverseFind('\\') + 1);
}

CString CFileMeshObject::GetFilename() { return m_strFilename; }
CString CFileMeshObject::GetDirectory() { return m_strDirectory; }
