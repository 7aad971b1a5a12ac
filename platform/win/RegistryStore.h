#pragma once
// Where the per-user registry lives and how it is changed safely.
//
// The file is $VELLORIA_REGISTRY when set, else $XDG_CONFIG_HOME/velloria/registry.reg, else
// ~/.config/velloria/registry.reg. It is read once per change of the file: the contents read
// are kept with the file's stamp (device, inode, size, times of change), and an access whose
// stat finds the same stamp uses them; another process's save (a rename: a new inode) or an
// edit is read again. A change takes an exclusive advisory lock (flock on "<file>.lock"),
// starts from the file as it is then, and is written to a temporary file beside it, flushed to
// disk and renamed over it, so two processes never lose each other's writes. A file that cannot
// be parsed is renamed "<file>.damaged-<UTC time>", reported once on standard error, and the
// registry starts empty.
#include <functional>
#include <memory>
#include <string>

#include "win/RegistryData.h"
#include "win/WinTypes.h"

namespace platform {

std::string RegistryFilePath();

// Runs `change` on the current contents under the lock; when it returns true the contents
// are written back. Returns ERROR_SUCCESS, or ERROR_CANTWRITE when the file could not be
// written (the stored file is then unchanged).
LONG ModifyRegistry(const std::function<bool(RegistryData&)>& change);

// The current contents: kept from the last access while the file is unchanged, else read
// (under the lock). Not to be changed: ModifyRegistry changes the registry.
std::shared_ptr<const RegistryData> ReadRegistry();

}  // namespace platform
