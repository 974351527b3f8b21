// The program's application object: shows the launcher (or starts at once) and ends with it.
#pragma once

#include <afxwin.h>

#include "LaunchOptions.h"

class CFarreachDlg;
class CKeyScript;
class CScratchFolder;
class CVideoEncoder;
struct SCaptureSettings;

class CFarreachApp : public CWinApp {
public:
    CFarreachApp();

    BOOL InitInstance() override;
    // The command line's settings, given before the application starts.
    void SetOptions(const LaunchOptions& options);
    // Keys to press during the run (kept by the caller until the application ends).
    void SetKeyScript(CKeyScript* keys) { m_keyScript = keys; }
    // The program's exit status: 0, or 1 when an offline run could not write its files.
    int ExitCode() const { return m_exitCode; }

private:
    void ApplyScreenSettings(CFarreachDlg& dialog);
    void RunLive(CFarreachDlg& dialog);
    void RunCapture(CFarreachDlg& dialog);
    void RunBench(CFarreachDlg& dialog);
    bool PlanStart(CFarreachDlg& dialog);
    bool StartVideo(CVideoEncoder& video, CScratchFolder& scratch, SCaptureSettings& settings, std::string& error);
    // Reports a failed offline run; the program then ends with status 1.
    void Fail(const std::string& error);

    LaunchOptions m_options;
    CKeyScript* m_keyScript = nullptr;
    int m_exitCode = 0;
};
