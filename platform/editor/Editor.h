#pragma once
// The editor: prompts, entity names, selection sets, the progress meter, alerts and the
// user's break.
#include "db/AdsDefs.h"
#include "editor/Alert.h"
#include "editor/EditorPrompts.h"
#include "editor/EditorSelection.h"
#include "editor/EntityNames.h"
#include "editor/StatusBar.h"
#include "editor/UserBreak.h"
