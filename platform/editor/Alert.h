#pragma once
// The host's alert box. On the console: the message in a frame on the command line.
int acedAlert(const wchar_t* message);
