// The windows name the font families of their original design. These are not found on a
// free desktop, so each is mapped to an installed family with the metrics the layouts need.
#pragma once

void installFontSubstitutions();
