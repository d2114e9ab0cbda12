#pragma once
// The graphics vocabulary in one include: colours, cursors, character sets,
// their identifier mappings, and fonts.

#include "vcl/Charsets.h"
#include "vcl/Colors.h"
#include "vcl/Cursors.h"
#include "vcl/Font.h"
#include "vcl/IdentMap.h"
