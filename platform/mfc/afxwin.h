// The MFC interface of this platform: what an MFC program includes.
#pragma once

#include "windows.h"

#include "afxobj.h"
#include "afxstr.h"
#include "afxcoll.h"
#include "afxmt.h"
#include "afxwnd.h"
#include "afxapp.h"
#include "afxdialog.h"
#include "dialog_template.h"
