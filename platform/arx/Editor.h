#pragma once
// The editor: prompts, entity names, selection sets, the progress meter and alerts.
#include "AdsDefs.h"
#include "Alert.h"
#include "EditorPrompts.h"
#include "EditorSelection.h"
#include "EntityNames.h"
#include "StatusBar.h"
