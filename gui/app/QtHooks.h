#pragma once

// Connects the core's user-interface hooks to Qt: yielding runs the event loop,
// the busy counter drives the override cursor, and the large-fonts flag is read
// from the primary screen.  Call once after the QApplication exists.
void InstallQtHooks();
