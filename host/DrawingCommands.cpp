// Host commands that show or change the current drawing as a whole.
#include "editor/Console.h"
#include "runtime/DocManager.h"
#include "editor/EntityList.h"
#include "HostCommands.h"

namespace {

// LIST: every entity of the current drawing with its handle; tables with their cells,
// linked entities with their link record.
void ListCommand() {
    AcApDocument* document = acDocManagerPtr()->curDocument();
    if (!document || !document->database()) {
        platform::WriteOutput(std::string_view("\nNo drawing is open.\n"));
        return;
    }
    platform::ListEntities(document->database());
}

HostCommandRegistration s_list(L"LIST", &ListCommand);

}  // namespace
