// Part of MFC kept for programs that include it; everything is in afxwin.h.
#pragma once

#include "afxwin.h"
