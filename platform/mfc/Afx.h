#pragma once
// The framework classes the module uses, in one include.
#include "Array.h"
#include "Object.h"
#include "String.h"
#include "WinTypes.h"
