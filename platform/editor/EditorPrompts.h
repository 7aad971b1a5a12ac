#pragma once
// Editor prompts on the host's command line. Each prompt prints its text and reads one line
// (platform::ReadPromptedLine). "^C" or the end of input answers RTCAN; an answer that does
// not fit the prompt prints a message and asks again, so only input ends a prompt.
#include <cstddef>

#include "db/AdsDefs.h"

// Flags (RSG_*) and keywords for the next acedGet* call only. Keywords are separated by
// spaces; an answer names one by its capital letters ("x" for "eXit", "lt" for "LType"), by
// a beginning that reaches its last capital ("lty"), or whole; a keyword in capitals only
// must be typed whole. A "_" introduces the global names returned for the local ones
// before it; an answer starting with "_" names a global keyword.
int acedInitGet(int flags, const wchar_t* keywords);
// RTNORM with the (global) keyword, RTNONE on an empty answer (re-asked under RSG_NONULL).
int acedGetKword(const wchar_t* prompt, wchar_t* result, size_t size);
template <size_t N>
int acedGetKword(const wchar_t* prompt, wchar_t (&result)[N]) {
    return acedGetKword(prompt, result, N);
}
// The keyword of the last get call that answered RTKWORD.
int acedGetInput(wchar_t* result, size_t size);
template <size_t N>
int acedGetInput(wchar_t (&result)[N]) {
    return acedGetInput(result, N);
}
// A point "x,y" or "x,y,z" (or "@dx,dy[,dz]" relative to the base point). RTNORM, RTNONE on
// an empty answer, RTKWORD for a keyword of acedInitGet, RTCAN.
int acedGetPoint(const ads_point base, const wchar_t* prompt, ads_point result);
// The opposite corner of a rectangle from base: read as acedGetPoint reads a point.
int acedGetCorner(const ads_point base, const wchar_t* prompt, ads_point result);
// An entity picked by a point (the topmost entity of the current space under it) or by a
// handle "#2A". RTNORM, RTERROR when the answer is empty or the point hits nothing,
// RTKWORD, RTCAN.
int acedEntSel(const wchar_t* prompt, ads_name entity, ads_point point);
// Drags the set: the answer is the point; the callback is called with it once, as the
// host calls it for each cursor position. RTNORM with the point, RTNONE on an empty answer,
// RTKWORD, RTCAN; RTERROR for an invalid set.
int acedDragGen(const ads_name ss, const wchar_t* prompt, int cursor, int (*callback)(ads_point, ads_matrix),
                ads_point result);
// The user coordinate system is the world's on this host: the point or vector is copied.
int acdbUcs2Wcs(const ads_point from, ads_point to, bool isVector);
// Redraws (1), hides (2), highlights (3) or unhighlights (4) an entity, or the whole
// drawing for a null name; nothing is drawn on the console. RTNORM, RTERROR for a name that
// addresses no entity or an unknown mode.
int acedRedraw(const ads_name entity, int mode);

namespace platform {
// Reads "x,y" or "x,y,z" (spaces around numbers allowed).
bool ParsePoint(const char* text, double point[3]);
// Entities of the working database's current space under the point, topmost first.
bool PickEntity(const double point[3], ads_name entity);
}  // namespace platform
