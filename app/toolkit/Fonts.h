// The windows name the font families of their original design. They are always drawn in the
// free stand-ins whose metrics the layouts are made and tested with, whatever the machine
// has installed: on Windows, where "MS Sans Serif" is a bitmap font that does not scale, the
// stand-ins are built into the program; on Linux they come from Debian's font packages.
#pragma once

void installFontSubstitutions();

// Makes the layouts' window font the application's default font. Call it after
// installFontSubstitutions().
void useWindowFontByDefault();
