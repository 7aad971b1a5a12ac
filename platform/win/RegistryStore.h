#pragma once
// Where the per-user registry lives and how it is changed safely.
//
// The file is $VELLORIA_REGISTRY when set, else $XDG_CONFIG_HOME/velloria/registry.reg, else
// ~/.config/velloria/registry.reg. Every access takes an exclusive advisory lock (flock on
// "<file>.lock") and reads the file afresh, so two processes never lose each other's writes;
// a change is written to a temporary file beside it, flushed to disk and renamed over it.
// A file that cannot be parsed is renamed "<file>.damaged-<UTC time>", reported once on
// standard error, and the registry starts empty.
#include <functional>
#include <string>

#include "win/RegistryData.h"
#include "win/WinTypes.h"

namespace platform {

std::string RegistryFilePath();

// Runs `change` on the current contents under the lock; when it returns true the contents
// are written back. Returns ERROR_SUCCESS, or ERROR_CANTWRITE when the file could not be
// written (the stored file is then unchanged).
LONG ModifyRegistry(const std::function<bool(RegistryData&)>& change);

// The current contents (read under the lock).
RegistryData ReadRegistry();

}  // namespace platform
