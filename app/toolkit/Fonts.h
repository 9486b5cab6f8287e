// The windows name the font families of their original design. These are not found on a
// free desktop, so each is mapped to an installed family with the metrics the layouts need.
#pragma once

void installFontSubstitutions();

// Makes the layouts' window font the application's default font. Call it after
// installFontSubstitutions().
void useWindowFontByDefault();
