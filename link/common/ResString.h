#pragma once

// The language texts: ResString of the language resources.
#include "LanguageResources.h"
