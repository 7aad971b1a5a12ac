#pragma once
// The editor's result codes and the result-buffer type codes, with the host's values.
// Each name is guarded on its own so that another header defining the same names with the
// same values can be included beside this one.

// Result-buffer and argument types
#ifndef RTNONE
#define RTNONE 5000
#endif
#ifndef RTREAL
#define RTREAL 5001
#endif
#ifndef RTPOINT
#define RTPOINT 5002
#endif
#ifndef RTSHORT
#define RTSHORT 5003
#endif
#ifndef RTANG
#define RTANG 5004
#endif
#ifndef RTSTR
#define RTSTR 5005
#endif
#ifndef RTENAME
#define RTENAME 5006
#endif
#ifndef RTPICKS
#define RTPICKS 5007
#endif
#ifndef RTORINT
#define RTORINT 5008
#endif
#ifndef RT3DPOINT
#define RT3DPOINT 5009
#endif
#ifndef RTLONG
#define RTLONG 5010
#endif
#ifndef RTVOID
#define RTVOID 5014
#endif
#ifndef RTLB
#define RTLB 5016
#endif
#ifndef RTLE
#define RTLE 5017
#endif
#ifndef RTDOTE
#define RTDOTE 5018
#endif
#ifndef RTNIL
#define RTNIL 5019
#endif
#ifndef RTDXF0
#define RTDXF0 5020
#endif
#ifndef RTT
#define RTT 5021
#endif

// Results of editor functions
#ifndef RTNORM
#define RTNORM 5100
#endif
#ifndef RTERROR
#define RTERROR (-5001)
#endif
#ifndef RTCAN
#define RTCAN (-5002)
#endif
#ifndef RTREJ
#define RTREJ (-5003)
#endif
#ifndef RTFAIL
#define RTFAIL (-5004)
#endif
#ifndef RTKWORD
#define RTKWORD (-5005)
#endif
#ifndef RTINPUTTRUNCATED
#define RTINPUTTRUNCATED (-5008)
#endif

// Results of functions called from the host's LISP (acedRegFunc)
#ifndef RSRSLT
#define RSRSLT 1
#endif
#ifndef RSERR
#define RSERR 3
#endif
