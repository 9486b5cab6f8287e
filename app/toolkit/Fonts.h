// The windows name the font families of their original design. Where one is not installed,
// as on a free desktop, it is mapped to an installed family with the metrics the layouts
// need; where it is, as on Windows, it is used as declared.
#pragma once

void installFontSubstitutions();

// Makes the layouts' window font the application's default font. Call it after
// installFontSubstitutions().
void useWindowFontByDefault();
