#pragma once
// Sets up the process heap for drawings of tens of megabytes, before anything large is allocated.
void SetUpHeapForLargeDrawings();
