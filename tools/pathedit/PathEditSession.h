// One run of the path editor program: the path from its file, the reference scene, the editor and
// the frame that draws them.
#pragma once

#include <memory>
#include <string>

#include "PathEditOptions.h"
#include "ReferenceScene.h"
#include "motion/EditMove.h"
#include "motion/Move.h"

class CPathEditSession {
public:
    explicit CPathEditSession(const SPathEditOptions& options);
    ~CPathEditSession();

    // Reads the path file, builds the scene and the editor and places the free camera so that it
    // looks at the path. On the render thread, with the device made.
    void Open();
    // One frame of editing; false once Escape is held.
    bool Frame();
    // Releases the scene and the editor.
    void Close();

    CMove& Path() { return m_Path; }
    // The line that tells what became of the path file: loaded, new, or unreadable.
    const std::string& FileMessage() const { return m_FileMessage; }
    bool FileWasUnreadable() const { return m_bUnreadable; }

private:
    void LoadPath();
    void PlaceCamera();

    SPathEditOptions m_Options;
    CMove m_Path;
    std::unique_ptr<CReferenceScene> m_pScene;
    std::unique_ptr<CEditMove> m_pEditor;
    std::string m_FileMessage;
    bool m_bUnreadable = false;
};
