#pragma once
// The command handlers of the command table. Each takes no arguments and reports to the user
// on the command line.

// Group "Velo"
// Opens, in the open database list, the database of every linked table of the drawing.
void OpenLinkedDatabases();
void DbTable_Create();
void DbTable_Properties();
void DbTable_Update();
void DbTable_Auto_Update();

// Group "Morvane" (Velo_LoadMenu: MenuLoad.h)
void Velo_Help();
void Velo_About();
void Velo_Live_Update();
void Velo_Website();
void Velo_Support();
void Velo_Faq();
void Velo_New();
void Velo_Demo();

// Drawing open: refreshes every linked table of the drawing being opened, when the user has
// switched the refresh on. Called by the application for each drawing it is told about.
void RefreshLinkedTablesOnOpen();
