// Identifiers of the resources compiled into the pairing tool (shared with resources.rc).
#pragma once

#define IDI_APPLICATION_ICON 1
#define IDB_PAIRFORM_BACKGROUND 101
