#pragma once
// The framework classes the module uses, in one include.
#include "mfc/Array.h"
#include "mfc/Object.h"
#include "mfc/String.h"
#include "win/WinTypes.h"
